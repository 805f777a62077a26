#pragma once
// How bright a set's stars shine over their lives and in which colour: the
// light rises over fadeIn after birth and falls over fadeOut before death
// (linearly), a flash adds `flash` times the colour at birth, dying away
// linearly over flashT, a strobe darkens each star for part of every period
// from a phase of its own, and the colour changes to the second colour from
// col2T on over col2Blend. Everything follows from the star's age alone.
#include "model/particle.h"

namespace kirabel {

class StarLight {
 public:
  StarLight() = default;
  // The effects are held within their limits first.
  explicit StarLight(const ParticleSet& set);

  // Whether the light is the classic one: full brightness, one colour.
  bool Steady() const { return steady_; }

  // The brightness at age a of a star living `life`, a factor of its colour:
  // the fades times the strobe (phase in [0, 1) shifts the star's cycle),
  // plus the flash.
  long double Brightness(long double a, long double life, long double phase) const;

  // The colour at age a, planes 0, 1, 2 (red, green, blue) x 128.
  void ColourAt(long double a, long double amounts[3]) const;

 private:
  long double StrobeFactor(long double a, long double phase) const;

  bool steady_ = true;
  long double fadeIn_ = 0;
  long double fadeOut_ = 0;
  long double flash_ = 0;
  long double flashTime_ = 0;
  long double strobePeriod_ = 0;
  long double strobeLit_ = 0;
  long double colourAge_ = -1;
  long double colourBlend_ = 0;
  long double first_[3] = {0, 0, 0};
  long double second_[3] = {0, 0, 0};
};

}  // namespace kirabel
