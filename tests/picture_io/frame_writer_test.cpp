// Pictures and numbered frames as files: names, formats, and a failed write
// that leaves an older file as it was.
#include "picture_io/frame_writer.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cerrno>

#include "image/picture.h"
#include "platform/errors.h"
#include "platform/io_error.h"
#include "simulation/renderer.h"
#include "simulation/space_buffer.h"
#include "support/file_size_limit.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;

// A 3 x 2 picture whose pixel (x, y) is red x * 80, green y * 100, blue 7.
Picture SmallPicture() {
  Picture picture;
  picture.SetHeight(2);
  picture.SetWidth(3);
  for (int y = 0; y < 2; ++y) {
    uint8_t* row = picture.Row(y);
    for (int x = 0; x < 3; ++x) {
      row[3 * x] = 7;
      row[3 * x + 1] = static_cast<uint8_t>(y * 100);
      row[3 * x + 2] = static_cast<uint8_t>(x * 80);
    }
  }
  return picture;
}

TEST(FrameWriterTest, NamesAndTheirFormats) {
  const struct {
    const char* name;
    int64_t frame;
    PictureFormat format;
    const char* numbered;
  } cases[] = {
      {"C:\\work\\fire.bmp", 1, PictureFormat::kBmp, "C:\\work\\fire00001.BMP"},
      {"/tmp/fire.bmp", 123456, PictureFormat::kBmp, "/tmp/fire123456.BMP"},
      {"", 1, PictureFormat::kBmp, "00001.BMP"},
      {"a.b/fire", 3, PictureFormat::kBmp, "a.b/fire00003.BMP"},  // a folder's dot stays
      {"a.b/fire.x.bmp", 3, PictureFormat::kBmp, "a.b/fire.x00003.BMP"},
      {"dir/.bmp", 4, PictureFormat::kBmp, "dir/00004.BMP"},
      {"shot.", 2, PictureFormat::kPng, "shot00002.png"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NumberedFrameName(c.name, c.frame, c.format), c.numbered) << c.name;
  }
  for (const char* png : {"a.png", "b.PNG", "c.d/e.Png", ".png"}) {
    EXPECT_EQ(FormatForName(png), PictureFormat::kPng) << png;
  }
  for (const char* bmp : {"a.bmp", "a.png.bmp", "a.pngx", "png", "a.png/b", ""}) {
    EXPECT_EQ(FormatForName(bmp), PictureFormat::kBmp) << bmp;
  }
}

TEST(FrameWriterTest, PngWritesTheSamePixelsTopDown) {
  ScratchFolder folder;
  const Picture picture = SmallPicture();
  const std::string name = folder.File("picture.PNG");
  WritePicture(picture, name, PictureFormat::kPng);
  const QImage image(QString::fromStdString(name), "PNG");
  ASSERT_EQ(image.size(), QSize(3, 2));
  EXPECT_EQ(image.pixel(2, 1), qRgb(160, 100, 7));
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 7));

  const std::string bmp = folder.File("picture.bmp");
  WritePicture(picture, bmp, PictureFormat::kBmp);
  EXPECT_EQ(ReadBytes(bmp).substr(0, 2), "BM");
}

// The 16-bit PNG holds the space's exact values; the picture's bytes are their
// high bytes.
TEST(FrameWriterTest, Png16HoldsTheSpaceValues) {
  SpaceBuffer space(3, 2);
  space.SetValue(0, 0, 0, 0x1234);
  space.SetValue(1, 2, 1, 0xFFFF);
  space.SetValue(2, 1, 1, 0x0080);
  Picture picture;
  picture.SetHeight(2);
  picture.SetWidth(3);
  CopySpaceToPicture(space, picture);
  ScratchFolder folder;
  const std::string name = folder.File("exact.png");
  WriteFrame(space, picture, name, PictureFormat::kPng16);
  const QImage image(QString::fromStdString(name), "PNG");
  ASSERT_EQ(image.size(), QSize(3, 2));
  EXPECT_EQ(image.depth(), 64);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      const QRgba64 value = image.pixelColor(x, y).rgba64();
      EXPECT_EQ(value.red(), space.GetValue(0, x, y)) << x << "," << y;
      EXPECT_EQ(value.green(), space.GetValue(1, x, y));
      EXPECT_EQ(value.blue(), space.GetValue(2, x, y));
      const uint8_t* pixel = picture.Row(y) + 3 * x;
      EXPECT_EQ(pixel[2], space.GetValue(0, x, y) >> 8);
    }
  }
  EXPECT_EQ(NumberedFrameName("a.bmp", 7, PictureFormat::kPng16), "a00007.png");
}

// Every format keeps an older file when a write fails, and the error names
// the file and the system's reason (a file too large, a missing folder).
TEST(FrameWriterTest, FailedWriteKeepsTheOldFileAndTheReason) {
  ScratchFolder folder;
  const std::string name = folder.File("old.png");
  Picture big;
  big.SetHeight(300);
  big.SetWidth(300);
  for (int i = 0; i < 300 * big.RowBytes(); ++i) big.Bits()[i] = static_cast<uint8_t>(i * 131);
  SpaceBuffer space(300, 300);
  const auto failure = [&](const std::string& path, PictureFormat format) {
    try {
      WriteFrame(space, big, path, format);
    } catch (const FileIOError& e) {
      EXPECT_EQ(e.fileName(), path);
      return e.code();
    }
    return 0;
  };
  for (PictureFormat format : {PictureFormat::kBmp, PictureFormat::kPng, PictureFormat::kPng16}) {
    testing::WriteBytes(name, "older picture");
    {
      testing::FileSizeLimit limit(100);
      EXPECT_EQ(failure(name, format), EFBIG) << static_cast<int>(format);
    }
    EXPECT_EQ(ReadBytes(name), "older picture");
    EXPECT_EQ(testing::FilesIn(folder.path()), 1);
    EXPECT_EQ(failure(folder.File("no/such.png"), format), ENOENT) << static_cast<int>(format);
  }
}

}  // namespace
}  // namespace kirabel
