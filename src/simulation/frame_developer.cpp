#include "simulation/frame_developer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "image/picture.h"
#include "simulation/film_curve.h"
#include "simulation/glow.h"
#include "simulation/light_image.h"
#include "simulation/renderer.h"
#include "simulation/sky_backdrop.h"
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

// The light of one full-white trail sample: 128 x 255.
constexpr double kFullSample = 32640;

// Ordered noise in -0.5 .. 0.5 by pixel position, the same in every frame.
float Dither(int32_t x, int32_t y) {
  uint32_t h = static_cast<uint32_t>(x) * 0x9E3779B1u ^ static_cast<uint32_t>(y) * 0x85EBCA77u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  return static_cast<float>(h & 0xFFFFu) / 65536.0f - 0.5f;
}

uint8_t DitheredByte(float value, int32_t x, int32_t y) {
  const float v = std::floor(value * 255.0f + 0.5f + Dither(x, y));
  return static_cast<uint8_t>(std::clamp(v, 0.0f, 255.0f));
}

uint16_t Word(float value) {
  return static_cast<uint16_t>(std::clamp(std::floor(value * 65535.0f + 0.5f), 0.0f, 65535.0f));
}

}  // namespace

FrameDeveloper::FrameDeveloper(const Look& look, std::shared_ptr<const Picture> photo)
    : look_(look), photo_(std::move(photo)) {}

FrameDeveloper::~FrameDeveloper() = default;

LightImage FrameDeveloper::FilmLight(const SpaceBuffer& space) const {
  LightImage light(space.Width(), space.Height());
  const float scale = static_cast<float>(std::exp2(look_.exposure) / kFullSample);
  const auto convert = [&](const auto* values) {
    float* out = light.rgb.data();
    for (std::size_t p = 0; p < light.PixelCount(); ++p, values += SpaceBuffer::kValuesPerPixel) {
      for (int c = 0; c < 3; ++c) *out++ = static_cast<float>(values[c]) * scale;
    }
  };
  if (space.Linear()) {
    convert(space.LinearData());
  } else {
    convert(space.Data());
  }
  AddGlow(light, look_.glow, look_.glowRadius / 100 * space.Height());
  return light;
}

std::shared_ptr<const SkyBackdrop> FrameDeveloper::Sky(int32_t width, int32_t height) const {
  const SkyColour black;
  if (!photo_ && look_.skyTop == black && look_.skyBottom == black) return nullptr;
  const std::lock_guard<std::mutex> lock(skyMutex_);
  if (!sky_ || sky_->Width() != width || sky_->Height() != height) {
    sky_ = std::make_shared<SkyBackdrop>(look_, photo_.get(), width, height);
  }
  return sky_;
}

template <class Put>
void FrameDeveloper::Compose(const SpaceBuffer& space, bool withSky, const Put& put) const {
  const LightImage light = FilmLight(space);
  const std::shared_ptr<const SkyBackdrop> sky =
      withSky ? Sky(space.Width(), space.Height()) : nullptr;
  // The sky is lit by the frame's own light: its mean, times the sky glow.
  float skyLight[3] = {0, 0, 0};
  if (withSky && look_.skyGlow > 0 && light.PixelCount() > 0) {
    double sums[3] = {0, 0, 0};
    for (std::size_t i = 0; i < light.rgb.size(); i += 3) {
      for (int c = 0; c < 3; ++c) sums[c] += light.rgb[i + c];
    }
    for (int c = 0; c < 3; ++c) {
      skyLight[c] = static_cast<float>(look_.skyGlow * sums[c] / light.PixelCount());
    }
  }
  const bool skyLit = skyLight[0] > 0 || skyLight[1] > 0 || skyLight[2] > 0;
  static constexpr float kNoSky[3] = {0, 0, 0};
  for (int32_t y = 0; y < light.height; ++y) {
    for (int32_t x = 0; x < light.width; ++x) {
      const float* l = light.Pixel(x, y);
      const bool lit = l[0] > 0 || l[1] > 0 || l[2] > 0 || skyLit;
      float rgb[3] = {0, 0, 0};
      if (lit) {
        float mapped[3];
        ToneMap(l, mapped);
        const float* under = sky ? sky->Linear(x, y) : kNoSky;
        for (int c = 0; c < 3; ++c) rgb[c] = Encode(under[c] + skyLight[c] + mapped[c]);
      }
      put(x, y, rgb, lit, sky ? sky->Bytes(x, y) : nullptr);
    }
  }
}

void FrameDeveloper::DevelopPicture(const SpaceBuffer& space, Picture& picture) const {
  if (look_.Film()) {
    const int32_t w = std::min(space.Width(), picture.Width());
    const int32_t h = std::min(space.Height(), picture.Height());
    Compose(space, true, [&](int32_t x, int32_t y, const float* rgb, bool lit, const uint8_t* sky) {
      if (x >= w || y >= h) return;
      uint8_t* pixel = picture.Row(y) + 3 * x;
      for (int c = 0; c < 3; ++c) {
        pixel[2 - c] = lit ? DitheredByte(rgb[c], x, y) : sky ? sky[c] : uint8_t{0};
      }
    });
    return;
  }
  CopySpaceToPicture(space, picture);
}

void FrameDeveloper::Develop16(const SpaceBuffer& space, std::vector<uint16_t>& rgb) const {
  rgb.resize(3 * PixelCount(space));
  if (look_.Film()) {
    const std::size_t w = static_cast<std::size_t>(space.Width());
    Compose(
        space, true, [&](int32_t x, int32_t y, const float* value, bool lit, const uint8_t* sky) {
          uint16_t* out = &rgb[3 * (static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x))];
          for (int c = 0; c < 3; ++c) {
            out[c] = lit ? Word(value[c]) : sky ? static_cast<uint16_t>(sky[c] * 257) : uint16_t{0};
          }
        });
    return;
  }
  std::size_t i = 0;
  for (int32_t y = 0; y < space.Height(); ++y) {
    for (int32_t x = 0; x < space.Width(); ++x) {
      for (int c = 0; c < 3; ++c) rgb[i++] = ClassicValue(space, c, x, y);
    }
  }
}

void FrameDeveloper::DevelopWithAlpha(const SpaceBuffer& space, std::vector<uint16_t>& rgba) const {
  std::vector<uint16_t> rgb;
  if (look_.Film()) {
    rgb.resize(3 * PixelCount(space));
    const std::size_t w = static_cast<std::size_t>(space.Width());
    Compose(space, false, [&](int32_t x, int32_t y, const float* value, bool, const uint8_t*) {
      uint16_t* out = &rgb[3 * (static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x))];
      for (int c = 0; c < 3; ++c) out[c] = Word(value[c]);
    });
  } else {
    Develop16(space, rgb);
  }
  rgba.resize(4 * PixelCount(space));
  for (std::size_t p = 0; p < PixelCount(space); ++p) {
    StraightFromOpaque<uint16_t>(&rgb[3 * p], &rgba[4 * p], 65535u);
  }
}

void FrameDeveloper::DevelopWithAlpha(const SpaceBuffer& space, std::vector<uint8_t>& rgba) const {
  rgba.resize(4 * PixelCount(space));
  if (look_.Film()) {
    const std::size_t w = static_cast<std::size_t>(space.Width());
    Compose(space, false, [&](int32_t x, int32_t y, const float* value, bool lit, const uint8_t*) {
      const std::size_t p = static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x);
      uint8_t bytes[3] = {0, 0, 0};
      for (int c = 0; c < 3 && lit; ++c) bytes[c] = DitheredByte(value[c], x, y);
      StraightFromOpaque<uint8_t>(bytes, &rgba[4 * p], 255u);
    });
    return;
  }
  std::vector<uint16_t> rgb16;
  Develop16(space, rgb16);
  for (std::size_t p = 0; p < PixelCount(space); ++p) {
    const uint8_t rgb[3] = {static_cast<uint8_t>(rgb16[3 * p] >> 8),
                            static_cast<uint8_t>(rgb16[3 * p + 1] >> 8),
                            static_cast<uint8_t>(rgb16[3 * p + 2] >> 8)};
    StraightFromOpaque<uint8_t>(rgb, &rgba[4 * p], 255u);
  }
}

void FrameDeveloper::LinearLight(const SpaceBuffer& space, std::vector<float>& rgba) const {
  if (look_.Film()) {
    const LightImage light = FilmLight(space);
    rgba.resize(4 * light.PixelCount());
    for (std::size_t p = 0; p < light.PixelCount(); ++p) {
      const float* l = &light.rgb[3 * p];
      std::copy_n(l, 3, &rgba[4 * p]);
      rgba[4 * p + 3] = std::min(std::max({l[0], l[1], l[2]}), 1.0f);
    }
    return;
  }
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
