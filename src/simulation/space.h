#pragma once
// TSpace: the accumulation buffer of a frame. Three planes (red, green, blue)
// of 16-bit values that saturate at 65535; a value v becomes the picture byte
// v / 256. The value of plane p at pixel (x, y), y = 0 at the top, is element
// p * PlaneSize() + y * Width() + x of Data().
#include <cstdint>
#include <vector>

namespace kirabel {

class TSpace {
 public:
  // A new buffer is not cleared. A negative size counts as 0. Raises
  // OutOfMemoryError when the planes cannot be had.
  TSpace(int32_t width, int32_t height);
  virtual ~TSpace() = default;

  int32_t Width() const { return Width_; }
  int32_t Height() const { return Height_; }
  int32_t PlaneSize() const { return PlaneSize_; }
  uint16_t* Data() { return Data_.data(); }
  const uint16_t* Data() const { return Data_.data(); }
  uint16_t* Plane(int plane) { return Data_.data() + static_cast<std::size_t>(plane) * PlaneSize_; }
  const uint16_t* Plane(int plane) const {
    return Data_.data() + static_cast<std::size_t>(plane) * PlaneSize_;
  }

  // Unchecked access: plane 0..2, a pixel inside the space.
  uint16_t GetValue(int plane, int32_t x, int32_t y) const {
    return Plane(plane)[static_cast<std::size_t>(y) * Width_ + x];
  }
  void SetValue(int plane, int32_t x, int32_t y, uint16_t value) {
    Plane(plane)[static_cast<std::size_t>(y) * Width_ + x] = value;
  }

  // Every value of the three planes becomes 0.
  void Clear();

 private:
  std::vector<uint16_t> Data_;
  int32_t PlaneSize_ = 0;
  int32_t Width_ = 0;
  int32_t Height_ = 0;
};

}  // namespace kirabel
