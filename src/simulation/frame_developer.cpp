#include "simulation/frame_developer.h"

#include <algorithm>
#include <utility>

#include "image/picture.h"
#include "simulation/space_buffer.h"

namespace kirabel {

namespace {

// A space value as the classic picture shows it: held at 65535.
uint16_t ClassicValue(const SpaceBuffer& space, int plane, int32_t x, int32_t y) {
  return static_cast<uint16_t>(std::min<uint32_t>(space.Value(plane, x, y), 65535u));
}

std::size_t PixelCount(const SpaceBuffer& space) {
  return static_cast<std::size_t>(space.Width()) * static_cast<std::size_t>(space.Height());
}

// Straight colour and coverage from an opaque pixel: alpha is the largest
// channel, each channel c becomes round(c x full / alpha).
template <class Value>
void StraightFromOpaque(const Value* rgb, Value* rgba, uint32_t full) {
  const uint32_t alpha = std::max({uint32_t{rgb[0]}, uint32_t{rgb[1]}, uint32_t{rgb[2]}});
  for (int c = 0; c < 3; ++c) {
    rgba[c] = alpha == 0 ? 0 : static_cast<Value>((rgb[c] * full + alpha / 2) / alpha);
  }
  rgba[3] = static_cast<Value>(alpha);
}

}  // namespace

FrameDeveloper::FrameDeveloper(const Look& look, std::shared_ptr<const Picture> photo)
    : look_(look), photo_(std::move(photo)) {}

FrameDeveloper::~FrameDeveloper() = default;

void FrameDeveloper::DevelopPicture(const SpaceBuffer& space, Picture& picture) const {
  const int32_t w = std::min(space.Width(), picture.Width());
  const int32_t h = std::min(space.Height(), picture.Height());
  for (int32_t y = 0; y < h; ++y) {
    uint8_t* row = picture.Row(y);
    for (int32_t x = 0; x < w; ++x) {
      for (int c = 0; c < 3; ++c) {
        row[3 * x + 2 - c] = static_cast<uint8_t>(ClassicValue(space, c, x, y) >> 8);
      }
    }
  }
}

void FrameDeveloper::Develop16(const SpaceBuffer& space, std::vector<uint16_t>& rgb) const {
  rgb.resize(3 * PixelCount(space));
  std::size_t i = 0;
  for (int32_t y = 0; y < space.Height(); ++y) {
    for (int32_t x = 0; x < space.Width(); ++x) {
      for (int c = 0; c < 3; ++c) rgb[i++] = ClassicValue(space, c, x, y);
    }
  }
}

void FrameDeveloper::DevelopWithAlpha(const SpaceBuffer& space, std::vector<uint16_t>& rgba) const {
  std::vector<uint16_t> rgb;
  Develop16(space, rgb);
  rgba.resize(4 * PixelCount(space));
  for (std::size_t p = 0; p < PixelCount(space); ++p) {
    StraightFromOpaque<uint16_t>(&rgb[3 * p], &rgba[4 * p], 65535u);
  }
}

void FrameDeveloper::DevelopWithAlpha(const SpaceBuffer& space, std::vector<uint8_t>& rgba) const {
  std::vector<uint16_t> rgb16;
  Develop16(space, rgb16);
  rgba.resize(4 * PixelCount(space));
  for (std::size_t p = 0; p < PixelCount(space); ++p) {
    const uint8_t rgb[3] = {static_cast<uint8_t>(rgb16[3 * p] >> 8),
                            static_cast<uint8_t>(rgb16[3 * p + 1] >> 8),
                            static_cast<uint8_t>(rgb16[3 * p + 2] >> 8)};
    StraightFromOpaque<uint8_t>(rgb, &rgba[4 * p], 255u);
  }
}

void FrameDeveloper::LinearLight(const SpaceBuffer& space, std::vector<float>& rgba) const {
  std::vector<uint16_t> rgb;
  Develop16(space, rgb);
  rgba.resize(4 * PixelCount(space));
  for (std::size_t p = 0; p < PixelCount(space); ++p) {
    float largest = 0;
    for (int c = 0; c < 3; ++c) {
      rgba[4 * p + c] = static_cast<float>(rgb[3 * p + c]) / 65535.0f;
      largest = std::max(largest, rgba[4 * p + c]);
    }
    rgba[4 * p + 3] = std::min(largest, 1.0f);
  }
}

}  // namespace kirabel
