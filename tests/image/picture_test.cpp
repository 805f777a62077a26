#include "image/picture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "platform/errors.h"
#include "platform/io_error.h"

namespace kirabel {
namespace {

std::string ReadFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), {});
}

uint32_t Le32(const std::string& bytes, std::size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
  return v;
}

uint16_t Le16(const std::string& bytes, std::size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1])
                                                                     << 8);
}

// The header a picture's BMP file gets: width, height and pixel bytes.
struct Header {
  uint32_t width, height, pixelBytes;
};

Header SavedHeader(const Picture& picture) {
  const std::string name = ::testing::TempDir() + "kirabel_picture_header.BMP";
  picture.SaveToFile(name);
  const std::string bytes = ReadFile(name);
  std::remove(name.c_str());
  return {Le32(bytes, 18), Le32(bytes, 22), Le32(bytes, 34)};
}

TEST(PictureTest, SizesRowBytesAndHeader) {
  Picture picture;
  EXPECT_EQ(picture.Width(), 4);
  EXPECT_EQ(picture.Height(), 1);
  EXPECT_EQ(picture.RowBytes(), 12);
  EXPECT_EQ(SavedHeader(picture).pixelBytes, 12u);
  const std::pair<int32_t, int32_t> rows[] = {{1, 4}, {4, 12}, {5, 16}, {640, 1920}, {641, 1924}};
  for (auto [w, rowBytes] : rows) {
    picture.SetWidth(w);
    EXPECT_EQ(picture.RowBytes(), rowBytes) << w;
  }
  picture.SetHeight(7);  // either order keeps the pixel bytes = RowBytes x Height
  const Header header = SavedHeader(picture);
  EXPECT_EQ(header.pixelBytes, 1924u * 7);
  EXPECT_EQ(header.width, 641u);
  EXPECT_EQ(header.height, 7u);
  picture.SetWidth(0);
  EXPECT_EQ(picture.Bits(), nullptr);
  EXPECT_EQ(SavedHeader(picture).pixelBytes, 0u);
  picture.SetHeight(-3);  // a negative size counts as 0
  EXPECT_EQ(picture.Height(), 0);
  EXPECT_THROW(picture.SetWidth(INT32_MAX), OutOfMemoryError);
  EXPECT_EQ(picture.Width(), 0);  // left consistent and empty
  EXPECT_EQ(SavedHeader(picture).pixelBytes, 0u);
}

TEST(PictureTest, ColourConversions) {
  uint8_t pixel[3];
  Picture::ColorToPixel(255, pixel);  // pure red
  EXPECT_EQ(pixel[0], 0);
  EXPECT_EQ(pixel[1], 0);
  EXPECT_EQ(pixel[2], 255);
  for (uint32_t v : {0u, 0x00123456u, 0xFF123456u, 0xFFFFFFFFu}) {
    Picture::ColorToPixel(v, pixel);
    EXPECT_EQ(Picture::PixelToColor(pixel), v & 0x00FFFFFFu);
  }
  const uint8_t bgr[3] = {0x11, 0x22, 0x33};
  EXPECT_EQ(Picture::PixelToColor(bgr), 0x00112233u);
}

TEST(PictureTest, BmpFileLayout) {
  Picture picture;
  picture.SetHeight(480);
  picture.SetWidth(640);
  std::fill_n(picture.Bits(), 1920 * 480, 0);
  uint8_t* bottomLeft = picture.Row(479);  // blue, green, red
  bottomLeft[0] = 1;
  bottomLeft[1] = 2;
  bottomLeft[2] = 3;
  const std::string name = ::testing::TempDir() + "kirabel_picture_640.BMP";
  picture.SaveToFile(name);
  const std::string bytes = ReadFile(name);
  std::remove(name.c_str());
  ASSERT_EQ(bytes.size(), 921654u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(Le32(bytes, 2), 921654u);
  EXPECT_EQ(Le32(bytes, 6), 0u);
  EXPECT_EQ(Le32(bytes, 10), 54u);
  EXPECT_EQ(Le32(bytes, 14), 40u);
  EXPECT_EQ(Le32(bytes, 18), 640u);
  EXPECT_EQ(Le32(bytes, 22), 480u);
  EXPECT_EQ(Le16(bytes, 26), 1);
  EXPECT_EQ(Le16(bytes, 28), 24);
  EXPECT_EQ(Le32(bytes, 30), 0u);
  EXPECT_EQ(Le32(bytes, 34), 921600u);
  for (std::size_t at : {38u, 42u, 46u, 50u}) EXPECT_EQ(Le32(bytes, at), 0u);
  EXPECT_EQ(bytes[54], 1);
  EXPECT_EQ(bytes[55], 2);
  EXPECT_EQ(bytes[56], 3);
}

// The picture is held top row first; the file holds the bottom row first.
TEST(PictureTest, BmpRowsGoBottomUp) {
  Picture picture;
  picture.SetHeight(3);
  picture.SetWidth(2);  // 6 bytes of pixels and 2 of padding per row
  for (int32_t y = 0; y < 3; ++y) std::fill_n(picture.Row(y), 8, static_cast<uint8_t>('a' + y));
  EXPECT_EQ(picture.Row(1), picture.Bits() + picture.RowBytes());
  const std::string name = ::testing::TempDir() + "kirabel_picture_rows.BMP";
  picture.SaveToFile(name);
  EXPECT_EQ(ReadFile(name).substr(54),
            "cccccccc"
            "bbbbbbbb"
            "aaaaaaaa");
  std::remove(name.c_str());
}

TEST(PictureTest, PaddingAndEmptyPictures) {
  Picture picture;
  picture.SetHeight(2);
  picture.SetWidth(1);  // 3 bytes of pixel and one of padding per row
  for (int i = 0; i < 4; ++i) {
    picture.Row(1)[i] = static_cast<uint8_t>(10 + i);  // the bottom row goes first
    picture.Row(0)[i] = static_cast<uint8_t>(14 + i);
  }
  const std::string name = ::testing::TempDir() + "kirabel_picture_pad.BMP";
  ASSERT_NO_THROW(picture.SaveToFile(name));
  EXPECT_EQ(ReadFile(name).substr(54), std::string("\x0a\x0b\x0c\x0d\x0e\x0f\x10\x11"));
  picture.SetWidth(0);
  ASSERT_NO_THROW(picture.SaveToFile(name));
  EXPECT_EQ(ReadFile(name).size(), 54u);
  std::remove(name.c_str());
}

TEST(PictureTest, UnsupportedDepthAndFileErrors) {
  Picture picture;
  const std::string name = ::testing::TempDir() + "kirabel_picture_16.BMP";
  for (int bitCount : {16, 8}) {
    try {
      picture.SaveToFile(name, bitCount);
      ADD_FAILURE() << bitCount << " bits written";
    } catch (const UnsupportedBitDepthError& e) {
      EXPECT_EQ(e.bitCount(), bitCount);
      EXPECT_STREQ(e.what(), "対応していないビットデプスです");
    }
    EXPECT_FALSE(std::ifstream(name).good());
  }

  const std::string missing = ::testing::TempDir() + "no_such_folder/x.BMP";
  try {
    picture.SaveToFile(missing, 24);
    FAIL() << "no error";
  } catch (const FileIOError& e) {
    EXPECT_EQ(e.fileName(), missing);
    EXPECT_EQ(std::string(e.what()), "ﾌｧｲﾙが見つかりません (" + missing + ")");
  }
  if (access("/dev/full", W_OK) == 0) {
    picture.SetHeight(4000);  // more than the stream buffer, so a write fails
    picture.SetWidth(4000);
    EXPECT_THROW(picture.SaveToFile("/dev/full", 24), FileIOError);
  }
  EXPECT_EQ(IOErrorReason(EACCES), "ﾌｧｲﾙへのｱｸｾｽが拒否されました");
  EXPECT_EQ(IOErrorReason(ENOSPC), "ﾃﾞｨｽｸがいっぱいです");
  EXPECT_EQ(IOErrorReason(EMFILE), "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます");
  EXPECT_EQ(IOErrorReason(ENAMETOOLONG), "不正なﾌｧｲﾙ名です");
  EXPECT_EQ(IOErrorReason(EIO), "I/O ｴﾗｰ (5)");
}

}  // namespace
}  // namespace kirabel
