#include "simulation/star_light.h"

#include <algorithm>
#include <cmath>

#include "model/star_effect_fields.h"

namespace kirabel {

namespace {

// The share of a linear ramp reached `into` its `span` (1 beyond it).
long double Ramp(long double into, long double span) {
  if (!(span > 0) || into >= span) return 1;
  return into > 0 ? into / span : 0;
}

}  // namespace

StarLight::StarLight(const ParticleSet& set) {
  const StarEffects effects = WithinEffectLimits(set.Effects());
  fadeIn_ = effects.fadeIn;
  fadeOut_ = effects.fadeOut;
  flash_ = effects.flashTime > 0 ? effects.flash : 0;
  flashTime_ = effects.flashTime;
  const bool strobes = effects.strobePeriod > 0 && effects.strobeLit > 0 && effects.strobeLit < 1;
  strobePeriod_ = strobes ? effects.strobePeriod : 0;
  strobeLit_ = effects.strobeLit;
  colourAge_ = effects.secondColourAge;
  colourBlend_ = effects.secondColourBlend;
  const long double first[3] = {set.red * 128.0L, set.green * 128.0L, set.blue * 128.0L};
  const long double second[3] = {effects.secondRed * 128.0L, effects.secondGreen * 128.0L,
                                 effects.secondBlue * 128.0L};
  std::copy(first, first + 3, first_);
  std::copy(second, second + 3, second_);
  const bool changesColour = colourAge_ >= 0 && !std::equal(first, first + 3, second);
  if (!changesColour) colourAge_ = -1;
  steady_ = fadeIn_ == 0 && fadeOut_ == 0 && flash_ == 0 && strobePeriod_ == 0 && !changesColour;
}

long double StarLight::StrobeFactor(long double a, long double phase) const {
  if (strobePeriod_ == 0) return 1;
  const long double cycles = a / strobePeriod_ + phase;
  return cycles - std::floor(cycles) < strobeLit_ ? 1 : 0;
}

long double StarLight::Brightness(long double a, long double life, long double phase) const {
  const long double fades = Ramp(a, fadeIn_) * Ramp(life - a, fadeOut_);
  const long double flash = flash_ > 0 ? flash_ * (1 - Ramp(a, flashTime_)) : 0;
  return fades * StrobeFactor(a, phase) + flash;
}

void StarLight::ColourAt(long double a, long double amounts[3]) const {
  const long double change =
      colourAge_ < 0 || a < colourAge_ ? 0 : Ramp(a - colourAge_, colourBlend_);
  for (int c = 0; c < 3; ++c) amounts[c] = first_[c] + (second_[c] - first_[c]) * change;
}

}  // namespace kirabel
