#include "simulation/star_light.h"

#include <cmath>

#include "model/star_effect_fields.h"

namespace kirabel {

namespace {

// The rate and floor of a ramp over span (see StarLight).
void SetRamp(long double span, double& rate, double& floor) {
  const bool ramps = span > 0;
  rate = ramps ? static_cast<double>(1 / span) : 0;
  floor = ramps ? 0 : 1;
}

// The fraction x - floor(x) as a 64-bit fraction (0 when x is no finite number).
template <typename Real>
uint64_t FractionBits(Real x) {
  constexpr Real kCycle = 18446744073709551616.0L;  // 2^64
  const Real fraction = x - std::floor(x);
  if (!(fraction >= 0 && fraction < 1)) return 0;
  const Real bits = fraction * kCycle;
  return bits < kCycle ? static_cast<uint64_t>(bits) : UINT64_MAX;
}

}  // namespace

StarLight::StarLight(const ParticleSet& set) {
  const StarEffects effects = WithinEffectLimits(set.Effects());
  SetRamp(effects.fadeIn, riseRate_, riseFloor_);
  SetRamp(effects.fadeOut, fallRate_, fallFloor_);
  if (effects.flashTime > 0 && effects.flash > 0) {
    flash_ = static_cast<double>(effects.flash);
    flashRate_ = static_cast<double>(1 / effects.flashTime);
  }
  strobes_ = effects.strobePeriod > 0 && effects.strobeLit > 0 && effects.strobeLit < 1;
  if (strobes_) {
    strobePeriod_ = effects.strobePeriod;
    litCycles_ = FractionBits(effects.strobeLit);
  }
  const double first[3] = {set.red * 128.0, set.green * 128.0, set.blue * 128.0};
  const double second[3] = {effects.secondRed * 128.0, effects.secondGreen * 128.0,
                            effects.secondBlue * 128.0};
  std::copy(first, first + 3, first_);
  std::copy(second, second + 3, second_);
  changesColour_ = effects.secondColourAge >= 0 && !std::equal(first, first + 3, second);
  colourAge_ = static_cast<double>(effects.secondColourAge);
  SetRamp(effects.secondColourBlend, blendRate_, blendFloor_);
  steady_ = riseFloor_ == 1 && fallFloor_ == 1 && flash_ == 0 && !strobes_ && !changesColour_;
}

uint64_t StarLight::StrobeCycleAt(double a, uint64_t phase) const {
  if (!strobes_) return 0;
  return phase + FractionBits(a / static_cast<double>(strobePeriod_));
}

uint64_t StarLight::StrobeCycleStep(long double dt) const {
  return strobes_ ? FractionBits(dt / strobePeriod_) : 0;
}

}  // namespace kirabel
