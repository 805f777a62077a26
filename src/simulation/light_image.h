#pragma once
// A frame's light as floating-point red, green, blue per pixel, top row first:
// what the film look blurs, tone-maps and lays over the sky.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kirabel {

struct LightImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<float> rgb;  // 3 values a pixel

  LightImage() = default;
  LightImage(int32_t w, int32_t h)
      : width(w), height(h), rgb(3 * static_cast<std::size_t>(w) * static_cast<std::size_t>(h)) {}
  std::size_t PixelCount() const {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  }
  float* Pixel(int32_t x, int32_t y) {
    return rgb.data() + 3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                             static_cast<std::size_t>(x));
  }
  const float* Pixel(int32_t x, int32_t y) const {
    return const_cast<LightImage*>(this)->Pixel(x, y);
  }
};

}  // namespace kirabel
