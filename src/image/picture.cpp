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

// The 54 bytes in front of the pixels: file header, then info header.
void BuildFileHeaders(const TBitmapInfoHeader& h, uint8_t* out) {
  out[0] = 'B';
  out[1] = 'M';
  Put32(out + 2, h.biSizeImage + kPixelOffset);
  Put16(out + 6, 0);
  Put16(out + 8, 0);
  Put32(out + 10, kPixelOffset);
  uint8_t* info = out + kFileHeaderBytes;
  Put32(info + 0, h.biSize);
  Put32(info + 4, static_cast<uint32_t>(h.biWidth));
  Put32(info + 8, static_cast<uint32_t>(h.biHeight));
  Put16(info + 12, h.biPlanes);
  Put16(info + 14, h.biBitCount);
  Put32(info + 16, h.biCompression);
  Put32(info + 20, h.biSizeImage);
  Put32(info + 24, static_cast<uint32_t>(h.biXPelsPerMeter));
  Put32(info + 28, static_cast<uint32_t>(h.biYPelsPerMeter));
  Put32(info + 32, h.biClrUsed);
  Put32(info + 36, h.biClrImportant);
}

}  // namespace

Picture::Picture() {
  BitmapInfo_.bmiHeader.biWidth = Width_;
  BitmapInfo_.bmiHeader.biHeight = Height_;
  Reallocate();
}

void Picture::Reallocate() {
  Bits_.clear();
  Bits_.shrink_to_fit();
  const uint64_t size = static_cast<uint64_t>(RowBytes_) * static_cast<uint64_t>(Height_);
  try {
    if (size > std::numeric_limits<uint32_t>::max()) throw OutOfMemoryError();
    RequireAvailableMemory(size);
    Bits_.resize(static_cast<std::size_t>(size));
  } catch (const std::exception&) {  // std::bad_alloc or OutOfMemoryError
    // The bitmap stays empty and consistent.
    Height_ = 0;
    BitmapInfo_.bmiHeader.biHeight = 0;
    BitmapInfo_.bmiHeader.biSizeImage = 0;
    throw OutOfMemoryError();
  }
  BitmapInfo_.bmiHeader.biSizeImage = static_cast<uint32_t>(size);
}

void Picture::SetHeight(int32_t h) {
  Height_ = h < 0 ? 0 : h;
  BitmapInfo_.bmiHeader.biHeight = Height_;
  Reallocate();
}

void Picture::SetWidth(int32_t w) {
  Width_ = w < 0 ? 0 : w;
  const int64_t rowBytes = (3 * static_cast<int64_t>(Width_) + 3) & ~int64_t{3};
  const bool tooWide = rowBytes > std::numeric_limits<int32_t>::max();
  if (tooWide) Width_ = 0;
  RowBytes_ = tooWide ? 0 : static_cast<int32_t>(rowBytes);
  BitmapInfo_.bmiHeader.biWidth = Width_;
  Reallocate();
  if (tooWide) throw OutOfMemoryError();
}

void Picture::SaveToFile(const std::string& fileName, int bitCount) const {
  if (bitCount != 24) throw UnsupportedBitDepthError(bitCount);
  uint8_t headers[kPixelOffset];
  BuildFileHeaders(BitmapInfo_.bmiHeader, headers);
  // A save that fails leaves an old file of that name as it was.
  ReplacingFile file(fileName);
  file.Write(headers, sizeof headers);
  for (int32_t row = 0; row < Height_; ++row) {
    file.Write(Bits_.data() + static_cast<std::size_t>(row) * RowBytes_, RowBytes_);
  }
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
