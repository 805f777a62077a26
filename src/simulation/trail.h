#pragma once
// The drawing of one particle's trail into a space buffer: trailSamples + 1 samples
// along its recent path, brighter towards its present position, each added
// to the buffer with saturation.
#include <cstdint>
#include <vector>

#include "model/particle.h"
#include "simulation/population.h"

namespace kirabel {

class SpaceBuffer;
class StarDiscs;

struct RenderOptions {
  bool antiAlias = false;  // spread each sample over four pixels
  bool wrap = false;       // join the space's opposite edges
  // Film light: the space is in linear mode and light adds up unsaturated.
  bool linearLight = false;
  // With film light: the radius in pixels of a star's head, drawn as a soft
  // disc, its trail thinning towards the tail; 0 draws points.
  float starRadius = 0;
};

// Per-set values of the trail arithmetic, loaded once per launched set. The
// colour of every sample is tabulated; consecutive sets of the same colour
// and division count (the bursts of one child set) share the table.
class TrailSet {
 public:
  TrailSet() = default;
  explicit TrailSet(const ParticleSet& set) { Load(set); }
  void Load(const ParticleSet& set);

  long double trailLength = 0;     // how far back in time the trail reaches
  long double dt = 0;              // time between samples: trailLength / trailSamples, or 0
  int32_t trailSamples = -1;       // trailSamples + 1 samples, none when negative
  uint32_t colour[3] = {0, 0, 0};  // full amounts of planes 0, 1, 2: red, green, blue x 128

  // The amounts of sample k (0 <= k <= trailSamples), colour x k /
  // trailSamples in integer division (the full colour when trailSamples is
  // 0), packed as r | g << 16 | b << 32.
  uint64_t SampleColour(int64_t k) const {
    return k < static_cast<int64_t>(ramp_.size()) ? ramp_[static_cast<std::size_t>(k)]
                                                  : ComputeColour(k);
  }

 private:
  uint64_t ComputeColour(int64_t k) const;
  std::vector<uint64_t> ramp_;
};

// Adds the light of one sample at pixel (x, y) to the buffer. With wrap the
// coordinates are taken modulo the space size (a space of width or height 0
// then takes nothing); without it a sample outside the space is dropped.
void PlotSample(SpaceBuffer& space, bool wrap, int32_t x, int32_t y, uint32_t r, uint32_t g,
                uint32_t b);

// Draws the trail of particle p of set at time t under gravity g.
//
// Sample k lies at age a_k, with a_0 = (t - birth) - trailLength and a_(k+1) = a_k + dt
// accumulated in extended precision; it is drawn when 0 <= a_k <= death -
// birth. Its x is the 8.8 fixed-point trunc((a_0 vx + x0) 256) stepped by
// trunc(dt vx 256); its y is trunc(((a_k vy + y0) + (g a_k a_k) / 2) 256),
// computed afresh. Its colour is the set's amount x k / trailSamples (integer
// division), the full amount when trailSamples is 0.
//
// A sample whose fixed-point x or y lies outside the 32-bit range is dropped
// (so is the whole trail when its starting x is beyond 2^61 or not a number).
//
// A space in linear mode takes the same amounts unsaturated; with a star
// radius in the options sample k is a disc of radius starRadius x k /
// trailSamples (the head the full one), from discs.
void DrawTrail(const TrailSet& set, const ParticleState& p, long double t, long double g,
               const RenderOptions& options, const StarDiscs& discs, SpaceBuffer& space);
// The same with discs of its own (for a single trail).
void DrawTrail(const TrailSet& set, const ParticleState& p, long double t, long double g,
               const RenderOptions& options, SpaceBuffer& space);

}  // namespace kirabel
