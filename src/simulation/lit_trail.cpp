#include "simulation/lit_trail.h"

#include <algorithm>

#include "simulation/space_plot.h"

namespace kirabel {

namespace {

// One amount: the colour x weight x brightness, within 16 bits.
uint64_t Amount(long double colour, long double weight) {
  const long double amount = colour * weight;
  if (!(amount > 0)) return 0;
  return amount >= 65535 ? 65535 : static_cast<uint64_t>(amount);
}

class LitTrailDrawer {
 public:
  LitTrailDrawer(const TrailSet& trail, const StarLight& light, const ParticleState& p,
                 long double phase, const Forces& forces, const RenderOptions& options,
                 SpaceBuffer& space)
      : trail_(trail),
        light_(light),
        p_(p),
        life_(p.death - p.birth),
        phase_(phase),
        forces_(forces),
        options_(options),
        target_(space) {}

  void Sample(int64_t k, long double a) const {
    const long double weight =
        trail_.trailSamples == 0 ? 1 : static_cast<long double>(k) / trail_.trailSamples;
    const long double brightness = weight * light_.Brightness(a, life_, phase_);
    if (!(brightness > 0)) return;
    const SpacePoint at = PositionAtAge(p_, a, forces_);
    int32_t px, py;
    if (!ToFixedPoint(at.x, px) || !ToFixedPoint(at.y, py)) return;
    long double colour[3];
    light_.ColourAt(a, colour);
    const uint64_t amounts =
        PackColour(Amount(colour[0], brightness), Amount(colour[1], brightness),
                   Amount(colour[2], brightness));
    PlotLight(target_, options_.antiAlias, options_.wrap, px, py, amounts);
  }

  // Samples k = 0 .. trailSamples at ages accumulated from a (as the classic
  // trail steps them) while the star lives: they form one run.
  void Run(long double a) const {
    const long double dt = trail_.dt;
    const int64_t last = trail_.trailSamples;
    int64_t k = 0;
    if (dt > 0) {
      for (; k <= last && a < 0; ++k) a = a + dt;
      for (; k <= last && a <= life_; ++k, a = a + dt) Sample(k, a);
    } else if (dt < 0) {
      for (; k <= last && a > life_; ++k) a = a + dt;
      for (; k <= last && a >= 0; ++k, a = a + dt) Sample(k, a);
    } else if (a >= 0 && a <= life_) {
      if (dt == 0)
        for (; k <= last; ++k) Sample(k, a);
      else
        Sample(0, a);  // NaN: only the first age is a number
    }
  }

 private:
  const TrailSet& trail_;
  const StarLight& light_;
  const ParticleState& p_;
  long double life_;
  long double phase_;
  const Forces& forces_;
  const RenderOptions& options_;
  PixelTarget target_;
};

}  // namespace

void DrawLitTrail(const TrailSet& trail, const StarLight& light, const ParticleState& p,
                  long double phase, long double t, const Forces& forces,
                  const RenderOptions& options, SpaceBuffer& space) {
  if (trail.trailSamples < 0) return;
  const long double a = (t - p.birth) - trail.trailLength;
  LitTrailDrawer(trail, light, p, phase, forces, options, space).Run(a);
}

}  // namespace kirabel
