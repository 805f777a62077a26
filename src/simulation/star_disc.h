#pragma once
// Stars with a size: a sample drawn as a soft disc into a space in linear
// mode. The disc is a round profile, full inside its radius and falling off
// smoothly over one pixel at its edge, tabulated at whole pixel offsets
// around its centre (so it is symmetric) and then spread over the pixels by
// the bilinear weights of the sample's 8-bit fractions. Its centre of light is
// therefore exactly the sample's position, as with an anti-aliased point, and
// its weights add up to the sample's light (less the integer rounding).
//
// Every amount is worked out from the sample alone in integers, so the sums
// do not depend on the order or the thread the samples are drawn in.
#include <cstdint>
#include <memory>
#include <vector>

#include "simulation/space_plot.h"

namespace kirabel {

// The largest radius of a disc in pixels; a larger star size draws this one.
constexpr float kLargestStarRadius = 32;
// Radii are tabulated in steps of 1 / kDiscRadiusSteps pixel.
constexpr int kDiscRadiusSteps = 16;

// The weights of one disc at whole pixel offsets from its centre.
class DiscKernel {
 public:
  // A disc's weights add up to about 2^kWeightBits.
  static constexpr int kWeightBits = 24;

  explicit DiscKernel(float radius);

  // The offsets reach from -Reach() to Reach() in both directions.
  int32_t Reach() const { return reach_; }
  // The weights of row dy (-Reach() .. Reach()) from offset dx = -Reach() - 1
  // to Reach() + 1, the first and the last 0.
  const uint32_t* Row(int32_t dy) const {
    return weights_.data() + static_cast<std::size_t>((dy + reach_ + 1) * side_);
  }

 private:
  int32_t reach_ = 0;
  int32_t side_ = 0;               // of the stored square: the offsets and a border of zeros
  std::vector<uint32_t> weights_;  // row after row, with the border
};

// The disc kernels of the radii a frame asks for, made when first asked. Not
// to be shared between threads.
class StarDiscs {
 public:
  StarDiscs();
  ~StarDiscs();
  // The kernel for radius rounded to the table's step; null below half a
  // pixel (or no number), where a sample stays a point.
  const DiscKernel* For(float radius) const;

 private:
  mutable std::vector<std::unique_ptr<DiscKernel>> kernels_;  // by radius x kDiscRadiusSteps
};

// Adds the light of a sample at the 24.8 fixed-point position (px, py) as the
// disc of kernel.
template <bool kWrap>
void PlotDisc(const PixelTarget<uint32_t>& target, const DiscKernel& kernel, int32_t px, int32_t py,
              uint64_t amounts);

// Plots a sample as a disc of radius starRadius x trailWeight into a linear
// target, or as a point (PointPlotter) when that is below half a pixel.
template <bool kAntiAlias, bool kWrap>
class DiscPlotter {
 public:
  static constexpr bool kSizesSamples = true;

  DiscPlotter(const PixelTarget<uint32_t>& target, float starRadius, const StarDiscs& discs)
      : point_(target), starRadius_(starRadius), discs_(discs) {}

  void operator()(int32_t px, int32_t py, uint64_t amounts, float trailWeight) const {
    if (const DiscKernel* disc = discs_.For(starRadius_ * trailWeight)) {
      PlotDisc<kWrap>(point_.target, *disc, px, py, amounts);
    } else {
      point_(px, py, amounts);
    }
  }

 private:
  PointPlotter<uint32_t, kAntiAlias, kWrap> point_;
  float starRadius_;
  const StarDiscs& discs_;
};

}  // namespace kirabel
