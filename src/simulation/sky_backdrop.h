#pragma once
// The sky behind a film frame: a vertical gradient between two colours, or a
// photo scaled to cover the picture and centred. Kept as picture bytes (what
// a pixel without light shows, exactly) and as linear light (what the
// fireworks' light is added to).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/look.h"

namespace kirabel {

class Picture;

class SkyBackdrop {
 public:
  // photo: null for the look's gradient.
  SkyBackdrop(const Look& look, const Picture* photo, int32_t width, int32_t height);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // Red, green, blue bytes of pixel (x, y).
  const uint8_t* Bytes(int32_t x, int32_t y) const { return &bytes_[3 * Index(x, y)]; }
  // Its linear light, red, green, blue.
  const float* Linear(int32_t x, int32_t y) const { return &linear_[3 * Index(x, y)]; }

 private:
  std::size_t Index(int32_t x, int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  void FillGradient(const SkyColour& top, const SkyColour& bottom);
  void FillPhoto(const Picture& photo);

  int32_t width_;
  int32_t height_;
  std::vector<uint8_t> bytes_;
  std::vector<float> linear_;
};

}  // namespace kirabel
