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
      profile.push_back(Profile(std::sqrt(double(dx * dx + dy * dy)), r));
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

template <bool kWrap>
void PlotDisc(const PixelTarget<uint32_t>& target, const DiscKernel& kernel, int32_t px, int32_t py,
              uint64_t amounts) {
  const int32_t reach = kernel.Reach();
  const uint64_t fx = static_cast<uint32_t>(px) & 255u;
  const uint64_t fy = static_cast<uint32_t>(py) & 255u;
  const int32_t left = (px >> 8) - reach;
  const int32_t top = (py >> 8) - reach;
  const int32_t span = 2 * reach + 2;  // the kernel widened by the bilinear spread
  const bool inside =
      !kWrap && left >= 0 && top >= 0 && left <= target.w - span && top <= target.h - span;
  const uint64_t channels[3] = {amounts & 0xFFFF, (amounts >> 16) & 0xFFFF,
                                (amounts >> 32) & 0xFFFF};
  // The kernel's weights spread to the right by fx and down by fy.
  const auto across = [&](int32_t dx, int32_t dy) {
    return (256 - fx) * kernel.Weight(dx, dy) + fx * kernel.Weight(dx - 1, dy);
  };
  // What each pixel's whole amounts leave over is carried to the next pixel,
  // so that the disc adds up to its sample's light.
  constexpr int kShift = DiscKernel::kWeightBits + 16;
  constexpr uint64_t kFraction = (uint64_t{1} << kShift) - 1;
  uint64_t carried[3] = {0, 0, 0};
  const auto share = [&](int c, uint64_t weight) {
    const uint64_t exact = channels[c] * weight + carried[c];
    carried[c] = exact & kFraction;
    return exact >> kShift;
  };
  for (int32_t v = 0; v < span; ++v) {
    for (int32_t u = 0; u < span; ++u) {
      const uint64_t weight =
          (256 - fy) * across(u - reach, v - reach) + fy * across(u - reach, v - reach - 1);
      if (weight == 0) continue;
      const uint64_t light = PackColour(share(0, weight), share(1, weight), share(2, weight));
      if (light == 0) continue;
      if (inside) {
        AddLight(PixelAt(target, left + u, top + v), light);
      } else {
        Plot<kWrap>(target, left + u, top + v, light);
      }
    }
  }
}

template void PlotDisc<false>(const PixelTarget<uint32_t>&, const DiscKernel&, int32_t, int32_t,
                              uint64_t);
template void PlotDisc<true>(const PixelTarget<uint32_t>&, const DiscKernel&, int32_t, int32_t,
                             uint64_t);

}  // namespace kirabel
