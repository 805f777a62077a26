#include "simulation/sky_backdrop.h"

#include <algorithm>
#include <cmath>

#include "image/picture.h"
#include "simulation/film_curve.h"

namespace kirabel {

namespace {

uint8_t ToByte(float encoded) {
  return static_cast<uint8_t>(std::clamp(std::lround(encoded * 255.0f), 0L, 255L));
}

// The photo's red, green, blue at a point of its own pixel grid, bilinear,
// edges held.
void SamplePhoto(const Picture& photo, float px, float py, uint8_t out[3]) {
  px = std::clamp(px, 0.0f, static_cast<float>(photo.Width() - 1));
  py = std::clamp(py, 0.0f, static_cast<float>(photo.Height() - 1));
  const int32_t x0 = static_cast<int32_t>(px);
  const int32_t y0 = static_cast<int32_t>(py);
  const int32_t x1 = std::min(x0 + 1, photo.Width() - 1);
  const int32_t y1 = std::min(y0 + 1, photo.Height() - 1);
  const float fx = px - static_cast<float>(x0);
  const float fy = py - static_cast<float>(y0);
  for (int c = 0; c < 3; ++c) {
    const int b = 2 - c;  // pictures keep blue, green, red
    const float top = photo.Row(y0)[3 * x0 + b] * (1 - fx) + photo.Row(y0)[3 * x1 + b] * fx;
    const float bottom = photo.Row(y1)[3 * x0 + b] * (1 - fx) + photo.Row(y1)[3 * x1 + b] * fx;
    out[c] = static_cast<uint8_t>(std::lround(top * (1 - fy) + bottom * fy));
  }
}

}  // namespace

SkyBackdrop::SkyBackdrop(const Look& look, const Picture* photo, int32_t width, int32_t height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  const std::size_t pixels = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  bytes_.resize(3 * pixels);
  linear_.resize(3 * pixels);
  if (photo && photo->Width() > 0 && photo->Height() > 0) {
    FillPhoto(*photo);
  } else {
    FillGradient(look.skyTop, look.skyBottom);
  }
}

void SkyBackdrop::FillGradient(const SkyColour& top, const SkyColour& bottom) {
  const uint8_t topBytes[3] = {top.red, top.green, top.blue};
  const uint8_t bottomBytes[3] = {bottom.red, bottom.green, bottom.blue};
  for (int32_t y = 0; y < height_; ++y) {
    const float t = height_ > 1 ? static_cast<float>(y) / static_cast<float>(height_ - 1) : 0;
    float linear[3];
    uint8_t bytes[3];
    for (int c = 0; c < 3; ++c) {
      const float a = DecodeByte(topBytes[c]);
      linear[c] = a + (DecodeByte(bottomBytes[c]) - a) * t;
      bytes[c] = y == 0             ? topBytes[c]
                 : y == height_ - 1 ? bottomBytes[c]
                                    : ToByte(Encode(linear[c]));
    }
    for (int32_t x = 0; x < width_; ++x) {
      std::copy_n(bytes, 3, &bytes_[3 * Index(x, y)]);
      std::copy_n(linear, 3, &linear_[3 * Index(x, y)]);
    }
  }
}

// Scaled to cover the picture and centred; a photo of the picture's own size
// is taken pixel for pixel.
void SkyBackdrop::FillPhoto(const Picture& photo) {
  const float scale = std::max(static_cast<float>(width_) / static_cast<float>(photo.Width()),
                               static_cast<float>(height_) / static_cast<float>(photo.Height()));
  const bool same = photo.Width() == width_ && photo.Height() == height_;
  for (int32_t y = 0; y < height_; ++y) {
    for (int32_t x = 0; x < width_; ++x) {
      uint8_t* bytes = &bytes_[3 * Index(x, y)];
      if (same) {
        for (int c = 0; c < 3; ++c) bytes[c] = photo.Row(y)[3 * x + 2 - c];
      } else {
        const float px =
            (static_cast<float>(x) + 0.5f - width_ / 2.0f) / scale + photo.Width() / 2.0f - 0.5f;
        const float py =
            (static_cast<float>(y) + 0.5f - height_ / 2.0f) / scale + photo.Height() / 2.0f - 0.5f;
        SamplePhoto(photo, px, py, bytes);
      }
      for (int c = 0; c < 3; ++c) linear_[3 * Index(x, y) + c] = DecodeByte(bytes[c]);
    }
  }
}

}  // namespace kirabel
