#pragma once
// SpaceBuffer: the accumulation buffer of a frame. Three planes (0 red, 1 green,
// 2 blue) of 16-bit values that saturate at 65535; a value v becomes the
// picture byte v / 256. Pixel (x, y) has y = 0 at the top.
//
// The planes are stored interleaved: each pixel keeps its red, green and blue
// values side by side, followed by one unused value that stays 0, so that a
// sample's light lands in one cache line and one saturating vector add.
//
// A buffer in linear mode (film light) keeps 32-bit values instead, in the same
// layout (LinearData, LinearPixel), so that light adds up without clipping;
// they saturate at 2^32 - 1, which no frame reaches in practice. The 16-bit
// planes are then empty.
#include <cstdint>
#include <vector>

namespace kirabel {

class SpaceBuffer {
 public:
  static constexpr int kValuesPerPixel = 4;

  // A negative size counts as 0. Raises OutOfMemoryError when the buffer
  // cannot be had. The buffer starts cleared.
  SpaceBuffer(int32_t width, int32_t height, bool linear = false);
  virtual ~SpaceBuffer() = default;

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // Values per plane: Width x Height.
  int32_t PlaneSize() const { return planeSize_; }
  // Whether the buffer keeps unsaturated 32-bit values (film light).
  bool Linear() const { return linear_; }
  // Switches the mode; the buffer is cleared when it changes. Raises
  // OutOfMemoryError when the new values cannot be had.
  void SetLinear(bool linear);

  // Linear mode: the values of pixel (x, y): red, green, blue, unused.
  uint32_t* LinearPixel(int32_t x, int32_t y) { return linearData_.data() + Offset(x, y); }
  const uint32_t* LinearPixel(int32_t x, int32_t y) const {
    return linearData_.data() + Offset(x, y);
  }
  uint32_t* LinearData() { return linearData_.data(); }
  const uint32_t* LinearData() const { return linearData_.data(); }
  // The value of plane 0..2 at (x, y) in either mode. Unchecked.
  uint32_t Value(int plane, int32_t x, int32_t y) const {
    return linear_ ? LinearPixel(x, y)[plane] : Pixel(x, y)[plane];
  }

  // The values of pixel (x, y): red, green, blue, unused. Unchecked.
  uint16_t* Pixel(int32_t x, int32_t y) { return data_.data() + Offset(x, y); }
  const uint16_t* Pixel(int32_t x, int32_t y) const { return data_.data() + Offset(x, y); }
  // All pixels, row after row from the top, kValuesPerPixel values each.
  uint16_t* Data() { return data_.data(); }
  const uint16_t* Data() const { return data_.data(); }

  // Unchecked access: plane 0..2, a pixel inside the space.
  uint16_t GetValue(int plane, int32_t x, int32_t y) const { return Pixel(x, y)[plane]; }
  void SetValue(int plane, int32_t x, int32_t y, uint16_t value) { Pixel(x, y)[plane] = value; }

  // Every value of the three planes becomes 0.
  void Clear();
  // Adds other (of the same size and mode) value by value, saturating at
  // 65535 (2^32 - 1 in linear mode).
  void AddSaturated(const SpaceBuffer& other, int32_t firstRow, int32_t lastRow);

 private:
  std::size_t Offset(int32_t x, int32_t y) const {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
            static_cast<std::size_t>(x)) *
           kValuesPerPixel;
  }

  void Allocate();

  std::vector<uint16_t> data_;
  std::vector<uint32_t> linearData_;
  bool linear_ = false;
  int32_t planeSize_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace kirabel
