#pragma once
// Picture: the program's 24-bit picture, a plain block of pixels laid out as
// an uncompressed bottom-up device-independent bitmap, with the header that a
// BMP file (and a screen transfer) needs.
//
// Pixel layout of Bits(): rows are stored bottom row first, so picture row y
// (0 = top) starts at (Height() - 1 - y) * RowBytes(); pixel x of a row is the
// three bytes at 3 * x in the order blue, green, red. The RowBytes() - 3 *
// Width() padding bytes at the end of each row carry no picture data.
//
// Drawing the picture onto the screen is the viewer's business (it reads
// Bits(), Info(), Width() and Height()); this class has no drawing primitives.
#include <cstdint>
#include <string>
#include <vector>

namespace kirabel {

// The 40-byte header of a device-independent bitmap, in file order.
struct TBitmapInfoHeader {
  uint32_t biSize = 40;
  int32_t biWidth = 0;
  int32_t biHeight = 0;  // positive: the picture is stored bottom-up
  uint16_t biPlanes = 1;
  uint16_t biBitCount = 24;
  uint32_t biCompression = 0;  // uncompressed RGB
  uint32_t biSizeImage = 0;    // RowBytes * Height
  int32_t biXPelsPerMeter = 0;
  int32_t biYPelsPerMeter = 0;
  uint32_t biClrUsed = 0;
  uint32_t biClrImportant = 0;
};

// The header followed by one colour-table entry that stays zero.
struct TBitmapInfo {
  TBitmapInfoHeader bmiHeader;
  uint8_t bmiColors[4] = {0, 0, 0, 0};
};

class Picture {
 public:
  // A new bitmap is 4 x 1 pixels; its pixel contents are undefined.
  Picture();
  virtual ~Picture() = default;

  int32_t Width() const { return Width_; }
  int32_t Height() const { return Height_; }
  // Bytes per stored row: 3 * Width rounded up to a multiple of 4.
  int32_t RowBytes() const { return RowBytes_; }
  // The pixel buffer, RowBytes() * Height() bytes; null when that is 0.
  uint8_t* Bits() { return Bits_.empty() ? nullptr : Bits_.data(); }
  const uint8_t* Bits() const { return Bits_.empty() ? nullptr : Bits_.data(); }
  const TBitmapInfo& Info() const { return BitmapInfo_; }

  // Each setter drops the old pixels and allocates a new, uncleared buffer
  // (resizers set the height first, then the width). A negative size counts
  // as 0. Raises OutOfMemoryError when the buffer cannot be had; the bitmap
  // is then left empty (height 0).
  void SetHeight(int32_t h);
  void SetWidth(int32_t w);

  // Writes the picture as a BMP file. Only a bit count of 24 is supported;
  // any other raises UnsupportedBitDepthError and creates no file. A file
  // that may not be written raises WriteError, a failing file operation
  // FileIOError with the file name and the system's reason; an old file of
  // that name is then left as it was and no partial file is left behind.
  void SaveToFile(const std::string& fileName, int bitCount = 24) const;

  // Platform colour value 0x00BBGGRR -> pixel triple blue, green, red.
  static void ColorToPixel(uint32_t color, uint8_t* pixel);
  // Pixel triple blue, green, red -> platform colour value 0x00BBGGRR.
  static uint32_t PixelToColor(const uint8_t* pixel);

 private:
  void Reallocate();

  TBitmapInfo BitmapInfo_;
  std::vector<uint8_t> Bits_;
  int32_t Height_ = 1;
  int32_t Width_ = 4;
  int32_t RowBytes_ = 12;
};

}  // namespace kirabel
