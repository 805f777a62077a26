#include "simulation/trail.h"

#include <algorithm>
#include <cmath>

#include "simulation/space_buffer.h"
#include "simulation/space_plot.h"
#include "simulation/star_plotter.h"
#include "simulation/trail_drawer.h"

namespace kirabel {

namespace {

template <class Value>
void PlotPixel(const PixelTarget<Value>& target, bool wrap, int32_t x, int32_t y,
               uint64_t amounts) {
  if (wrap) {
    Plot<true>(target, x, y, amounts);
  } else {
    Plot<false>(target, x, y, amounts);
  }
}

}  // namespace

void TrailSet::Load(const ParticleSet& set) {
  const uint32_t full[3] = {set.red * 128u, set.green * 128u, set.blue * 128u};
  const bool sameRamp = set.trailSamples == trailSamples && std::equal(full, full + 3, colour);
  trailLength = set.trailLength;
  dt = set.trailSamples != 0 ? set.trailLength / static_cast<long double>(set.trailSamples) : 0;
  trailSamples = set.trailSamples;
  std::copy(full, full + 3, colour);
  if (sameRamp) return;
  constexpr int32_t kLongestRamp = 65536;
  ramp_.clear();
  if (trailSamples < 0 || trailSamples > kLongestRamp) return;
  ramp_.resize(static_cast<std::size_t>(trailSamples) + 1);
  for (int32_t k = 0; k <= trailSamples; ++k) ramp_[static_cast<std::size_t>(k)] = ComputeColour(k);
}

uint64_t TrailSet::ComputeColour(int64_t k) const {
  if (trailSamples == 0) return PackColour(colour[0], colour[1], colour[2]);
  const uint64_t n = static_cast<uint64_t>(trailSamples);
  const uint64_t steps = static_cast<uint64_t>(k);
  return PackColour(colour[0] * steps / n, colour[1] * steps / n, colour[2] * steps / n);
}

void PlotSample(SpaceBuffer& space, bool wrap, int32_t x, int32_t y, uint32_t r, uint32_t g,
                uint32_t b) {
  const uint64_t amounts =
      PackColour(std::min(r, 65535u), std::min(g, 65535u), std::min(b, 65535u));
  if (space.Linear()) {
    PlotPixel(PixelTarget<uint32_t>(space), wrap, x, y, amounts);
  } else {
    PlotPixel(PixelTarget<uint16_t>(space), wrap, x, y, amounts);
  }
}

void DrawTrail(const TrailSet& set, const ParticleState& p, long double t, long double g,
               const RenderOptions& options, SpaceBuffer& space) {
  DrawTrail(set, p, t, g, options, StarDiscs(), space);
}

void DrawTrail(const TrailSet& set, const ParticleState& p, long double t, long double g,
               const RenderOptions& options, const StarDiscs& discs, SpaceBuffer& space) {
  if (set.trailSamples < 0 || (set.colour[0] | set.colour[1] | set.colour[2]) == 0)
    return;  // no light
  if (DrawsDiscs(space, options)) {
    DrawDiscTrail(set, p, t, g, options, discs, space);
  } else if (space.Linear()) {
    DrawLinearTrail(set, p, t, g, options, space);
  } else {
    WithPointPlotter(PixelTarget<uint16_t>(space), options.antiAlias, options.wrap,
                     [&](const auto& plot) { trail_drawing::DrawTrailWith(set, p, t, g, plot); });
  }
}

}  // namespace kirabel
