#include "image/picture.h"

#include <limits>
#include <new>

#include "platform/errors.h"
#include "platform/io_error.h"
#include "platform/memory_info.h"
#include "platform/replacing_file.h"

namespace kirabel {

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kPixelOffset = kFileHeaderBytes + kInfoHeaderBytes;

void Put16(uint8_t* at, uint16_t v) {
  at[0] = static_cast<uint8_t>(v);
  at[1] = static_cast<uint8_t>(v >> 8);
}

void Put32(uint8_t* at, uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}

// The 54 bytes in front of the pixels: the file header, then the 40-byte
// header of an uncompressed, bottom-up 24-bit bitmap.
void BuildFileHeaders(int32_t width, int32_t height, uint32_t pixelBytes, uint8_t* out) {
  out[0] = 'B';
  out[1] = 'M';
  Put32(out + 2, pixelBytes + kPixelOffset);
  Put16(out + 6, 0);
  Put16(out + 8, 0);
  Put32(out + 10, kPixelOffset);
  uint8_t* info = out + kFileHeaderBytes;
  Put32(info + 0, kInfoHeaderBytes);
  Put32(info + 4, static_cast<uint32_t>(width));
  Put32(info + 8, static_cast<uint32_t>(height));  // positive: bottom row first
  Put16(info + 12, 1);                             // planes
  Put16(info + 14, 24);                            // bits per pixel
  for (int offset = 16; offset < 40; offset += 4) Put32(info + offset, 0);
  Put32(info + 20, pixelBytes);
}

}  // namespace

Picture::Picture() {
  Reallocate();
}

void Picture::Reallocate() {
  bits_.clear();
  bits_.shrink_to_fit();
  const uint64_t size = static_cast<uint64_t>(rowBytes_) * static_cast<uint64_t>(height_);
  try {
    if (size > std::numeric_limits<uint32_t>::max()) throw OutOfMemoryError();
    RequireAvailableMemory(size);
    bits_.resize(static_cast<std::size_t>(size));
  } catch (const std::exception&) {  // std::bad_alloc or OutOfMemoryError
    height_ = 0;                     // the picture stays empty and consistent
    throw OutOfMemoryError();
  }
}

void Picture::SetHeight(int32_t h) {
  height_ = h < 0 ? 0 : h;
  Reallocate();
}

void Picture::SetWidth(int32_t w) {
  width_ = w < 0 ? 0 : w;
  const int64_t rowBytes = (3 * static_cast<int64_t>(width_) + 3) & ~int64_t{3};
  const bool tooWide = rowBytes > std::numeric_limits<int32_t>::max();
  if (tooWide) width_ = 0;
  rowBytes_ = tooWide ? 0 : static_cast<int32_t>(rowBytes);
  Reallocate();
  if (tooWide) throw OutOfMemoryError();
}

void Picture::SaveToFile(const std::string& fileName, int bitCount) const {
  if (bitCount != 24) throw UnsupportedBitDepthError(bitCount);
  uint8_t headers[kPixelOffset];
  BuildFileHeaders(width_, height_, static_cast<uint32_t>(bits_.size()), headers);
  // A save that fails leaves an old file of that name as it was.
  ReplacingFile file(fileName);
  file.Write(headers, sizeof headers);
  // The file holds the rows bottom-up: the last row of the picture first.
  for (int32_t y = height_ - 1; y >= 0; --y) file.Write(Row(y), rowBytes_);
  file.Commit();
}

void Picture::ColorToPixel(uint32_t color, uint8_t* pixel) {
  pixel[0] = static_cast<uint8_t>(color >> 16);
  pixel[1] = static_cast<uint8_t>(color >> 8);
  pixel[2] = static_cast<uint8_t>(color);
}

uint32_t Picture::PixelToColor(const uint8_t* pixel) {
  return pixel[0] * 65536u + pixel[1] * 256u + pixel[2];
}

}  // namespace kirabel
