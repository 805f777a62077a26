#pragma once
// Picture: the program's 24-bit picture, a plain block of pixels stored top
// row first, and its BMP writer (the one place that turns the rows bottom-up,
// as the file format wants them).
//
// Pixel layout of Bits(): picture row y (0 = top) starts at y * RowBytes();
// pixel x of a row is the three bytes at 3 * x in the order blue, green, red.
// The RowBytes() - 3 * Width() padding bytes at the end of each row carry no
// picture data.
//
// Drawing the picture onto the screen is the viewer's business (it reads
// Bits(), Width() and Height()); this class has no drawing primitives.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kirabel {

class Picture {
 public:
  // A new picture is 4 x 1 pixels; its pixel contents are undefined.
  Picture();
  virtual ~Picture() = default;

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // Bytes per stored row: 3 * Width rounded up to a multiple of 4.
  int32_t RowBytes() const { return rowBytes_; }
  // The pixel buffer, RowBytes() * Height() bytes; null when that is 0.
  uint8_t* Bits() { return bits_.empty() ? nullptr : bits_.data(); }
  const uint8_t* Bits() const { return bits_.empty() ? nullptr : bits_.data(); }
  // Picture row y (0 = top, y < Height()).
  uint8_t* Row(int32_t y) { return bits_.data() + RowOffset(y); }
  const uint8_t* Row(int32_t y) const { return bits_.data() + RowOffset(y); }

  // Each setter drops the old pixels and allocates a new, uncleared buffer
  // (resizers set the height first, then the width). A negative size counts
  // as 0. Raises OutOfMemoryError when the buffer cannot be had; the picture
  // is then left empty (height 0).
  void SetHeight(int32_t h);
  void SetWidth(int32_t w);

  // Writes the picture as a BMP file, its rows bottom row first. Only a bit
  // count of 24 is supported; any other raises UnsupportedBitDepthError and
  // creates no file. A file that may not be written raises WriteError, a
  // failing file operation FileIOError with the file name and the system's
  // reason; an old file of that name is then left as it was and no partial
  // file is left behind.
  void SaveToFile(const std::string& fileName, int bitCount = 24) const;

  // Platform colour value 0x00BBGGRR -> pixel triple blue, green, red.
  static void ColorToPixel(uint32_t color, uint8_t* pixel);
  // Pixel triple blue, green, red -> platform colour value 0x00BBGGRR.
  static uint32_t PixelToColor(const uint8_t* pixel);

 private:
  void Reallocate();
  std::size_t RowOffset(int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(rowBytes_);
  }

  std::vector<uint8_t> bits_;
  int32_t height_ = 1;
  int32_t width_ = 4;
  int32_t rowBytes_ = 12;
};

}  // namespace kirabel
