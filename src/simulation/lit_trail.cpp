#include "simulation/lit_trail.h"

#include <cmath>

#include "simulation/space_plot.h"
#include "simulation/star_plotter.h"

namespace kirabel {

namespace {

// One amount: the colour x weight x brightness, within 16 bits (truncated
// through a 32-bit integer, the processor's fast conversion).
uint64_t Amount(double light) {
  if (!(light > 0)) return 0;
  return light >= 65535 ? 65535 : static_cast<uint64_t>(static_cast<int32_t>(light));
}

// The drawing of one trail's living samples in one frame.
template <class Plotter>
class LitSamples {
 public:
  LitSamples(const StarLight& light, double life, const Plotter& plot)
      : light_(light), life_(life), plot_(plot) {}

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
    plot_(px, py, amounts, static_cast<float>(weight));
  }

 private:
  const StarLight& light_;
  double life_;
  const Plotter& plot_;
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
  const long double ageStep = std::fabs(dt_);
  step_ = MotionStep(forces, static_cast<double>(ageStep));
  strobeStep_ = light_.StrobeCycleStep(ageStep);
}

LitTrail::LivingRun LitTrail::LivingSamples(long double a, long double life) const {
  // The ages accumulate from a as the classic trail steps them and move
  // monotonically, so the living samples form one run.
  LivingRun run;
  const int64_t last = trailSamples_;
  int64_t k = 0;
  if (dt_ > 0) {
    for (; k <= last && a < 0; ++k) a = a + dt_;
    if (k <= last && a <= life) run = {k, 1, last - k + 1, a};
  } else if (dt_ < 0) {
    for (; k <= last && a > life; ++k) a = a + dt_;
    if (k > last || !(a >= 0)) return run;
    const int64_t oldest = k;
    for (; k < last && a + dt_ >= 0; ++k) a = a + dt_;
    run = {k, -1, k - oldest + 1, a};
  } else if (a >= 0 && a <= life) {
    run = {0, 1, dt_ == 0 ? last + 1 : 1, a};  // NaN: only the first age is a number
  }
  return run;
}

void LitTrail::Draw(const ParticleState& p, uint64_t strobePhase, long double t,
                    const RenderOptions& options, const StarDiscs& discs,
                    SpaceBuffer& space) const {
  if (trailSamples_ < 0) return;
  const long double life = p.death - p.birth;
  const LivingRun run = LivingSamples((t - p.birth) - trailLength_, life);
  if (run.count <= 0) return;
  WithStarPlotter(space, options, discs,
                  [&](const auto& plot) { DrawRun(p, strobePhase, life, run, plot); });
}

template <class Plotter>
void LitTrail::DrawRun(const ParticleState& p, uint64_t strobePhase, long double life,
                       const LivingRun& run, const Plotter& plot) const {
  // From the youngest living sample on, stepping forwards in age keeps the
  // stepped motion as exact as the closed form (backwards, a drag would
  // magnify its rounding); a trail whose ages fall runs down its numbers.
  // Every sample adds its own light, so the order leaves the sum alone.
  const double lifeTime = static_cast<double>(life);
  const LitSamples<Plotter> samples(light_, lifeTime, plot);
  const double ageStep = static_cast<double>(std::fabs(dt_));
  const double oldest = dt_ > 0 ? lifeTime : HUGE_VAL;  // with falling ages the count decides
  double age = static_cast<double>(run.youngestAge);
  int64_t k = run.youngest;
  MovingPoint at = PointAtAge(p, age, forces_);
  uint64_t cycle = light_.StrobeCycleAt(age, strobePhase);
  for (int64_t drawn = 1;; ++drawn) {
    samples.Sample(static_cast<double>(k) * weightStep_ + weightFloor_, age, at, cycle);
    if (drawn == run.count) return;
    k += run.direction;
    age += ageStep;
    if (!(age <= oldest)) return;
    cycle += strobeStep_;
    if (step_.usable) {
      at.Advance(step_);
    } else {
      at = PointAtAge(p, age, forces_);
    }
  }
}

}  // namespace kirabel
