#include "image/picture.h"

#include <gtest/gtest.h>
#include <unistd.h>

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
  Picture bitmap;
  EXPECT_EQ(bitmap.Width(), 4);
  EXPECT_EQ(bitmap.Height(), 1);
  EXPECT_EQ(bitmap.RowBytes(), 12);
  EXPECT_EQ(SavedHeader(bitmap).pixelBytes, 12u);
  const std::pair<int32_t, int32_t> rows[] = {{1, 4}, {4, 12}, {5, 16}, {640, 1920}, {641, 1924}};
  for (auto [w, rowBytes] : rows) {
    bitmap.SetWidth(w);
    EXPECT_EQ(bitmap.RowBytes(), rowBytes) << w;
  }
  bitmap.SetHeight(7);  // either order keeps the pixel bytes = RowBytes x Height
  const Header header = SavedHeader(bitmap);
  EXPECT_EQ(header.pixelBytes, 1924u * 7);
  EXPECT_EQ(header.width, 641u);
  EXPECT_EQ(header.height, 7u);
  bitmap.SetWidth(0);
  EXPECT_EQ(bitmap.Bits(), nullptr);
  EXPECT_EQ(SavedHeader(bitmap).pixelBytes, 0u);
  bitmap.SetHeight(-3);  // a negative size counts as 0
  EXPECT_EQ(bitmap.Height(), 0);
  EXPECT_THROW(bitmap.SetWidth(INT32_MAX), OutOfMemoryError);
  EXPECT_EQ(bitmap.Width(), 0);  // left consistent and empty
  EXPECT_EQ(SavedHeader(bitmap).pixelBytes, 0u);
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
  Picture bitmap;
  bitmap.SetHeight(480);
  bitmap.SetWidth(640);
  std::fill_n(bitmap.Bits(), 1920 * 480, 0);
  bitmap.Bits()[0] = 1;  // bottom-left pixel: blue, green, red
  bitmap.Bits()[1] = 2;
  bitmap.Bits()[2] = 3;
  const std::string name = ::testing::TempDir() + "kirabel_picture_640.BMP";
  bitmap.SaveToFile(name);
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

TEST(PictureTest, PaddingAndEmptyPictures) {
  Picture bitmap;
  bitmap.SetHeight(2);
  bitmap.SetWidth(1);  // 3 bytes of pixel and one of padding per row
  for (int i = 0; i < 8; ++i) bitmap.Bits()[i] = static_cast<uint8_t>(10 + i);
  const std::string name = ::testing::TempDir() + "kirabel_picture_pad.BMP";
  ASSERT_NO_THROW(bitmap.SaveToFile(name));
  EXPECT_EQ(ReadFile(name).substr(54), std::string("\x0a\x0b\x0c\x0d\x0e\x0f\x10\x11"));
  bitmap.SetWidth(0);
  ASSERT_NO_THROW(bitmap.SaveToFile(name));
  EXPECT_EQ(ReadFile(name).size(), 54u);
  std::remove(name.c_str());
}

TEST(PictureTest, UnsupportedDepthAndFileErrors) {
  Picture bitmap;
  const std::string name = ::testing::TempDir() + "kirabel_picture_16.BMP";
  for (int bitCount : {16, 8}) {
    try {
      bitmap.SaveToFile(name, bitCount);
      ADD_FAILURE() << bitCount << " bits written";
    } catch (const UnsupportedBitDepthError& e) {
      EXPECT_EQ(e.bitCount(), bitCount);
      EXPECT_STREQ(e.what(), "対応していないビットデプスです");
    }
    EXPECT_FALSE(std::ifstream(name).good());
  }

  const std::string missing = ::testing::TempDir() + "no_such_folder/x.BMP";
  try {
    bitmap.SaveToFile(missing, 24);
    FAIL() << "no error";
  } catch (const FileIOError& e) {
    EXPECT_EQ(e.fileName(), missing);
    EXPECT_EQ(std::string(e.what()), "ﾌｧｲﾙが見つかりません (" + missing + ")");
  }
  if (access("/dev/full", W_OK) == 0) {
    bitmap.SetHeight(4000);  // more than the stream buffer, so a write fails
    bitmap.SetWidth(4000);
    EXPECT_THROW(bitmap.SaveToFile("/dev/full", 24), FileIOError);
  }
  EXPECT_EQ(IOErrorReason(EACCES), "ﾌｧｲﾙへのｱｸｾｽが拒否されました");
  EXPECT_EQ(IOErrorReason(ENOSPC), "ﾃﾞｨｽｸがいっぱいです");
  EXPECT_EQ(IOErrorReason(EMFILE), "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます");
  EXPECT_EQ(IOErrorReason(ENAMETOOLONG), "不正なﾌｧｲﾙ名です");
  EXPECT_EQ(IOErrorReason(EIO), "I/O ｴﾗｰ (5)");
}

}  // namespace
}  // namespace kirabel
