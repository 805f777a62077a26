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

constexpr float kTaps[5] = {1 / 16.0f, 4 / 16.0f, 6 / 16.0f, 4 / 16.0f, 1 / 16.0f};

// The binomial filter 1 4 6 4 1 along each row, edges held.
void BlurRows(LightImage& image) {
  const int32_t w = image.width;
  std::vector<float> padded(3 * static_cast<std::size_t>(w + 4));
  for (int32_t y = 0; y < image.height; ++y) {
    float* row = image.Pixel(0, y);
    std::copy_n(row, 3 * static_cast<std::size_t>(w), &padded[6]);
    for (int c = 0; c < 3; ++c) {
      padded[c] = padded[3 + c] = row[c];
      padded[3 * (w + 2) + c] = padded[3 * (w + 3) + c] = row[3 * (w - 1) + c];
    }
    for (std::size_t i = 0; i < 3 * static_cast<std::size_t>(w); ++i) {
      const float* p = &padded[i];
      row[i] =
          kTaps[0] * p[0] + kTaps[1] * p[3] + kTaps[2] * p[6] + kTaps[3] * p[9] + kTaps[4] * p[12];
    }
  }
}

// The same down each column, a whole row at a time, edges held.
void BlurColumns(LightImage& image) {
  const std::size_t values = 3 * static_cast<std::size_t>(image.width);
  const int32_t h = image.height;
  const LightImage source = image;
  for (int32_t y = 0; y < h; ++y) {
    const float* rows[5];
    for (int k = -2; k <= 2; ++k) rows[k + 2] = source.Pixel(0, std::clamp(y + k, 0, h - 1));
    float* out = image.Pixel(0, y);
    for (std::size_t i = 0; i < values; ++i) {
      out[i] = kTaps[0] * rows[0][i] + kTaps[1] * rows[1][i] + kTaps[2] * rows[2][i] +
               kTaps[3] * rows[3][i] + kTaps[4] * rows[4][i];
    }
  }
}

void Blur(LightImage& image) {
  BlurRows(image);
  BlurColumns(image);
}

// Where fine pixel i falls between two coarse pixels of a line of `coarse`
// pixels, pixel centres kept in place: the two and the weight of the second.
struct Tap {
  int32_t first;
  int32_t second;
  float weight;
};

std::vector<Tap> Taps(int32_t fine, int32_t coarse) {
  std::vector<Tap> taps(static_cast<std::size_t>(fine));
  for (int32_t i = 0; i < fine; ++i) {
    const float at = std::clamp((i + 0.5f) / 2 - 0.5f, 0.0f, static_cast<float>(coarse - 1));
    const int32_t first = static_cast<int32_t>(at);
    taps[static_cast<std::size_t>(i)] = {first, std::min(first + 1, coarse - 1),
                                         at - static_cast<float>(first)};
  }
  return taps;
}

// Adds weight x `coarse` (about half the size of `fine`) to fine, scaled up
// bilinearly: each coarse row pair is first blended into one row.
void AddDoubled(const LightImage& coarse, LightImage& fine, float weight) {
  const std::vector<Tap> columns = Taps(fine.width, coarse.width);
  const std::vector<Tap> rows = Taps(fine.height, coarse.height);
  std::vector<float> blended(3 * static_cast<std::size_t>(coarse.width));
  for (int32_t y = 0; y < fine.height; ++y) {
    const Tap& row = rows[static_cast<std::size_t>(y)];
    const float* top = coarse.Pixel(0, row.first);
    const float* bottom = coarse.Pixel(0, row.second);
    for (std::size_t i = 0; i < blended.size(); ++i) {
      blended[i] = weight * (top[i] + (bottom[i] - top[i]) * row.weight);
    }
    float* out = fine.Pixel(0, y);
    for (const Tap& column : columns) {
      const float* a = &blended[3 * static_cast<std::size_t>(column.first)];
      const float* b = &blended[3 * static_cast<std::size_t>(column.second)];
      for (int c = 0; c < 3; ++c) *out++ += a[c] + (b[c] - a[c]) * column.weight;
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
