#include "simulation/lit_trail.h"

#include "simulation/space_plot.h"

namespace kirabel {

namespace {

// One amount: the colour x weight x brightness, within 16 bits.
uint64_t Amount(double light) {
  if (!(light > 0)) return 0;
  return light >= 65535 ? 65535 : static_cast<uint64_t>(light);
}

// The living samples of one trail in one frame, from the first on.
class LitSamples {
 public:
  LitSamples(const StarLight& light, double life, const RenderOptions& options, SpaceBuffer& space)
      : light_(light), life_(life), options_(options), target_(space) {}

  // Draws the sample of trail weight `weight` at age a, at point `at` and
  // strobe place `cycle`.
  void Sample(double weight, double a, const MovingPoint& at, uint64_t cycle) const {
    const double brightness = weight * light_.Brightness(a, life_, cycle);
    if (!(brightness > 0)) return;
    int32_t px, py;
    if (!ToFixedPoint(at.x, px) || !ToFixedPoint(at.y, py)) return;
    double colour[3];
    light_.ColourAt(a, colour);
    const uint64_t amounts =
        PackColour(Amount(colour[0] * brightness), Amount(colour[1] * brightness),
                   Amount(colour[2] * brightness));
    PlotLight(target_, options_.antiAlias, options_.wrap, px, py, amounts);
  }

 private:
  const StarLight& light_;
  double life_;
  const RenderOptions& options_;
  PixelTarget target_;
};

}  // namespace

void LitTrail::Load(const ParticleSet& set, const TrailSet& trail, const Forces& forces) {
  trailLength_ = trail.trailLength;
  dt_ = trail.dt;
  trailSamples_ = trail.trailSamples;
  weightStep_ = trailSamples_ > 0 ? 1.0 / trailSamples_ : 0;
  weightFloor_ = trailSamples_ == 0 ? 1 : 0;
  light_ = StarLight(set);
  forces_ = forces;
  step_ = MotionStep(forces, static_cast<double>(dt_));
  strobeStep_ = light_.StrobeCycleStep(dt_);
}

void LitTrail::Draw(const ParticleState& p, uint64_t strobePhase, long double t,
                    const RenderOptions& options, SpaceBuffer& space) const {
  if (trailSamples_ < 0) return;
  // The ages accumulate from a as the classic trail steps them; the living
  // samples form one run, found in extended precision.
  long double a = (t - p.birth) - trailLength_;
  const long double life = p.death - p.birth;
  int64_t k = 0;
  int64_t last = trailSamples_;
  if (dt_ > 0) {
    for (; k <= last && a < 0; ++k) a = a + dt_;
  } else if (dt_ < 0) {
    for (; k <= last && a > life; ++k) a = a + dt_;
  } else if (dt_ != 0) {
    last = 0;  // NaN: only the first age is a number
  }
  double age = static_cast<double>(a);
  const double lifeTime = static_cast<double>(life);
  if (k > last || !(age >= 0 && age <= lifeTime)) return;

  const LitSamples samples(light_, lifeTime, options, space);
  const double dt = static_cast<double>(dt_);
  MovingPoint at = PointAtAge(p, age, forces_);
  uint64_t cycle = light_.StrobeCycleAt(age, strobePhase);
  for (;;) {
    samples.Sample(static_cast<double>(k) * weightStep_ + weightFloor_, age, at, cycle);
    if (++k > last) return;
    age += dt;
    if (!(age >= 0 && age <= lifeTime)) return;
    cycle += strobeStep_;
    if (step_.usable) {
      at.Advance(step_);
    } else {
      at = PointAtAge(p, age, forces_);
    }
  }
}

}  // namespace kirabel
