#include "simulation/star_disc.h"

#include <algorithm>
#include <cmath>

namespace kirabel {

namespace {

// The disc's profile at distance d from its centre: 1 up to half a pixel
// inside the radius, 0 from half a pixel outside it, a smoothstep between.
double Profile(double d, double radius) {
  const double t = std::clamp(d - (radius - 0.5), 0.0, 1.0);
  return 1 - t * t * (3 - 2 * t);
}

}  // namespace

DiscKernel::DiscKernel(float radius) {
  const double r = radius;
  reach_ = static_cast<int32_t>(std::floor(r + 0.5));  // the profile ends at r + 0.5
  side_ = 2 * reach_ + 3;
  weights_.assign(static_cast<std::size_t>(side_) * static_cast<std::size_t>(side_), 0);
  std::vector<double> profile;
  double sum = 0;
  for (int32_t dy = -reach_; dy <= reach_; ++dy) {
    for (int32_t dx = -reach_; dx <= reach_; ++dx) {
      profile.push_back(Profile(std::sqrt(static_cast<double>(dx * dx + dy * dy)), r));
      sum += profile.back();
    }
  }
  const double scale = static_cast<double>(uint32_t{1} << kWeightBits) / sum;
  auto value = profile.begin();
  for (int32_t dy = -reach_; dy <= reach_; ++dy) {
    uint32_t* row = &weights_[static_cast<std::size_t>((dy + reach_ + 1) * side_ + 1)];
    for (int32_t dx = 0; dx <= 2 * reach_; ++dx) {
      row[dx] = static_cast<uint32_t>(std::lround(*value++ * scale));
    }
  }
}

StarDiscs::StarDiscs() = default;
StarDiscs::~StarDiscs() = default;

const DiscKernel* StarDiscs::For(float radius) const {
  constexpr float kSmallest = kDiscRadiusSteps / 2;  // half a pixel
  const float steps = std::min(radius, kLargestStarRadius) * kDiscRadiusSteps + 0.5f;
  if (!(steps >= kSmallest)) return nullptr;
  const std::size_t index = static_cast<std::size_t>(steps);
  if (index >= kernels_.size()) kernels_.resize(index + 1);
  std::unique_ptr<DiscKernel>& kernel = kernels_[index];
  if (!kernel) {
    kernel = std::make_unique<DiscKernel>(static_cast<float>(index) / kDiscRadiusSteps);
  }
  return kernel.get();
}

namespace {

// The light of one sample shared out over the pixels of a disc and added to
// them. A pixel's weight (the weights of a disc, spread bilinearly, add up to
// 2^(kWeightBits + 16)) becomes its share of the sample out of 65536, and its
// amounts amount x share / 65536; what each of these divisions leaves over is
// carried to the next pixel, so that the disc adds up to its sample's light.
class LightShares {
 public:
  static constexpr int kWeightShift = DiscKernel::kWeightBits;

  explicit LightShares(uint64_t amounts) : amounts_(amounts) {}

  // Adds the share of the next pixel, of weight `weight`, to pixel (null:
  // the pixel lies outside the space and its share is lost).
  void AddTo(uint32_t* pixel, uint64_t weight) {
    const uint64_t exactShare = weight + carriedWeight_;
    carriedWeight_ = exactShare & ((uint64_t{1} << kWeightShift) - 1);
    const uint32_t share =
        static_cast<uint32_t>(std::min<uint64_t>(exactShare >> kWeightShift, 65535));
#if defined(__SSE2__)
    // The three amounts x share as 32-bit products, from their 16-bit halves.
    const __m128i amounts = _mm_cvtsi64_si128(static_cast<long long>(amounts_));
    const __m128i shares = _mm_set1_epi16(static_cast<short>(share));
    const __m128i products =
        _mm_unpacklo_epi16(_mm_mullo_epi16(amounts, shares), _mm_mulhi_epu16(amounts, shares));
    const __m128i exact = _mm_add_epi32(products, carried_);
    carried_ = _mm_and_si128(exact, _mm_set1_epi32(0xFFFF));
    if (pixel) AddLight(pixel, _mm_srli_epi32(exact, 16));
#else
    uint32_t light[4] = {0, 0, 0, 0};
    for (int c = 0; c < 3; ++c) {
      const uint32_t exact =
          static_cast<uint32_t>((amounts_ >> (16 * c)) & 0xFFFF) * share + carried_[c];
      carried_[c] = exact & 0xFFFF;
      light[c] = exact >> 16;
    }
    if (pixel) AddLight(pixel, PackColour(light[0], light[1], light[2]));
#endif
  }

 private:
  uint64_t amounts_;
  uint64_t carriedWeight_ = 0;
#if defined(__SSE2__)
  __m128i carried_ = _mm_setzero_si128();
#else
  uint32_t carried_[3] = {0, 0, 0};
#endif
};

// The weights of one kernel row spread to the right by fx: span values.
void SpreadRow(const uint32_t* row, uint64_t fx, int32_t span, uint64_t* out) {
  for (int32_t u = 0; u < span; ++u) out[u] = (256 - fx) * row[u + 1] + fx * row[u];
}

}  // namespace

template <bool kWrap>
void PlotDisc(const PixelTarget<uint32_t>& target, const DiscKernel& kernel, int32_t px, int32_t py,
              uint64_t amounts) {
  constexpr int32_t kLongestSpan = 2 * static_cast<int32_t>(kLargestStarRadius) + 3;
  const int32_t reach = kernel.Reach();
  const int32_t span = 2 * reach + 2;  // the kernel widened by the bilinear spread
  const uint64_t fx = static_cast<uint32_t>(px) & 255u;
  const uint64_t fy = static_cast<uint32_t>(py) & 255u;
  const int32_t left = (px >> 8) - reach;
  const int32_t top = (py >> 8) - reach;
  const bool inside =
      !kWrap && left >= 0 && top >= 0 && left <= target.w - span && top <= target.h - span;
  LightShares light(amounts);
  // Row v of the disc takes kernel row v - reach spread right, and the row
  // above it spread down by fy.
  uint64_t rows[2][kLongestSpan];
  uint64_t* above = rows[0];
  uint64_t* here = rows[1];
  std::fill(above, above + span, uint64_t{0});
  for (int32_t v = 0; v < span; ++v) {
    if (v < span - 1) {
      SpreadRow(kernel.Row(v - reach), fx, span, here);
    } else {
      std::fill(here, here + span, uint64_t{0});
    }
    for (int32_t u = 0; u < span; ++u) {
      const uint64_t weight = (256 - fy) * here[u] + fy * above[u];
      if (weight == 0) continue;  // the corners of the square
      light.AddTo(
          inside ? PixelAt(target, left + u, top + v) : PixelFor<kWrap>(target, left + u, top + v),
          weight);
    }
    std::swap(above, here);
  }
}

template void PlotDisc<false>(const PixelTarget<uint32_t>&, const DiscKernel&, int32_t, int32_t,
                              uint64_t);
template void PlotDisc<true>(const PixelTarget<uint32_t>&, const DiscKernel&, int32_t, int32_t,
                             uint64_t);

}  // namespace kirabel
