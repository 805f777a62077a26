#include "simulation/glow.h"

#include <algorithm>
#include <cmath>

namespace kirabel {

namespace {

constexpr int kMostLevels = 10;

// Half the size, each pixel the mean of the (up to) four beneath it.
LightImage Halved(const LightImage& in) {
  LightImage out((in.width + 1) / 2, (in.height + 1) / 2);
  for (int32_t y = 0; y < out.height; ++y) {
    const int32_t y0 = 2 * y;
    const int32_t y1 = std::min(y0 + 1, in.height - 1);
    for (int32_t x = 0; x < out.width; ++x) {
      const int32_t x0 = 2 * x;
      const int32_t x1 = std::min(x0 + 1, in.width - 1);
      float* o = out.Pixel(x, y);
      for (int c = 0; c < 3; ++c) {
        o[c] = 0.25f * (in.Pixel(x0, y0)[c] + in.Pixel(x1, y0)[c] + in.Pixel(x0, y1)[c] +
                        in.Pixel(x1, y1)[c]);
      }
    }
  }
  return out;
}

// The binomial filter 1 4 6 4 1 along rows (dx = 1) or columns, edges held.
void BlurAlong(LightImage& image, bool rows) {
  static constexpr float kTaps[5] = {1 / 16.0f, 4 / 16.0f, 6 / 16.0f, 4 / 16.0f, 1 / 16.0f};
  const int32_t length = rows ? image.width : image.height;
  const int32_t lines = rows ? image.height : image.width;
  std::vector<float> line(3 * static_cast<std::size_t>(length));
  for (int32_t l = 0; l < lines; ++l) {
    auto at = [&](int32_t i) { return rows ? image.Pixel(i, l) : image.Pixel(l, i); };
    for (int32_t i = 0; i < length; ++i) {
      for (int c = 0; c < 3; ++c) {
        float sum = 0;
        for (int k = -2; k <= 2; ++k) {
          sum += kTaps[k + 2] * at(std::clamp(i + k, 0, length - 1))[c];
        }
        line[3 * static_cast<std::size_t>(i) + c] = sum;
      }
    }
    for (int32_t i = 0; i < length; ++i)
      std::copy_n(&line[3 * static_cast<std::size_t>(i)], 3, at(i));
  }
}

void Blur(LightImage& image) {
  BlurAlong(image, true);
  BlurAlong(image, false);
}

// Adds `coarse` (about half the size of `fine`) to fine, scaled up bilinearly
// with pixel centres kept in place.
void AddDoubled(const LightImage& coarse, LightImage& fine, float weight) {
  for (int32_t y = 0; y < fine.height; ++y) {
    const float cy = std::clamp((y + 0.5f) / 2 - 0.5f, 0.0f, static_cast<float>(coarse.height - 1));
    const int32_t y0 = static_cast<int32_t>(cy);
    const int32_t y1 = std::min(y0 + 1, coarse.height - 1);
    const float fy = cy - static_cast<float>(y0);
    for (int32_t x = 0; x < fine.width; ++x) {
      const float cx =
          std::clamp((x + 0.5f) / 2 - 0.5f, 0.0f, static_cast<float>(coarse.width - 1));
      const int32_t x0 = static_cast<int32_t>(cx);
      const int32_t x1 = std::min(x0 + 1, coarse.width - 1);
      const float fx = cx - static_cast<float>(x0);
      float* o = fine.Pixel(x, y);
      for (int c = 0; c < 3; ++c) {
        const float top = coarse.Pixel(x0, y0)[c] * (1 - fx) + coarse.Pixel(x1, y0)[c] * fx;
        const float bottom = coarse.Pixel(x0, y1)[c] * (1 - fx) + coarse.Pixel(x1, y1)[c] * fx;
        o[c] += weight * (top * (1 - fy) + bottom * fy);
      }
    }
  }
}

}  // namespace

void AddGlow(LightImage& light, double strength, double radius) {
  if (!(strength > 0) || !(radius >= 1) || light.PixelCount() == 0) return;
  const int levels = std::clamp(static_cast<int>(std::lround(std::log2(radius))), 1, kMostLevels);
  // The pyramid: level k is 2^k times smaller; each is blurred.
  std::vector<LightImage> pyramid;
  pyramid.push_back(Halved(light));
  for (int k = 1; k < levels && pyramid.back().width > 1 && pyramid.back().height > 1; ++k) {
    pyramid.push_back(Halved(pyramid.back()));
  }
  for (LightImage& level : pyramid) Blur(level);
  // Summed from the coarsest level up, every level with the same weight, so
  // that the glow's total light is the light's total.
  const float share = 1.0f / static_cast<float>(pyramid.size());
  for (std::size_t k = pyramid.size() - 1; k > 0; --k) {
    AddDoubled(pyramid[k], pyramid[k - 1], 1.0f);
  }
  for (float& v : pyramid[0].rgb) v *= share;
  AddDoubled(pyramid[0], light, static_cast<float>(strength));
}

}  // namespace kirabel
