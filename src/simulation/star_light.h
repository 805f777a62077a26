#pragma once
// How bright a set's stars shine over their lives and in which colour: the
// light rises over fadeIn after birth and falls over fadeOut before death
// (linearly), a flash adds `flash` times the colour at birth, dying away
// linearly over flashT, a strobe darkens each star for part of every period
// from a phase of its own, and the colour changes to the second colour from
// col2T on over col2Blend. Everything follows from the star's age alone.
//
// The light only scales a sample's colour, so it is worked out in double
// precision from factors prepared once per set; the place in the strobe's
// cycle is a 64-bit fraction of a cycle, so a trail can step it from sample
// to sample by whole-number additions that wrap around with the cycle.
#include <algorithm>
#include <cstdint>

#include "model/particle.h"

namespace kirabel {

class StarLight {
 public:
  StarLight() = default;
  // The effects are held within their limits first.
  explicit StarLight(const ParticleSet& set);

  // Whether the light is the classic one: full brightness, one colour.
  bool Steady() const { return steady_; }
  bool Strobes() const { return strobes_; }
  bool ChangesColour() const { return changesColour_; }

  // The place in the strobe's cycle at age a of a star whose own phase is
  // `phase` (both fractions of a cycle x 2^64); 0 without a strobe.
  uint64_t StrobeCycleAt(double a, uint64_t phase) const;
  // How far the cycle moves over time dt (0 without a strobe).
  uint64_t StrobeCycleStep(long double dt) const;

  // The brightness at age a (0 <= a <= life) of a star living `life`, at
  // place `cycle` of its strobe, a factor of its colour: the fades while
  // the strobe is lit, plus the flash.
  double Brightness(double a, double life, uint64_t cycle) const {
    const double flash = flash_ * std::max(1 - a * flashRate_, 0.0);
    if (cycle >= litCycles_) return flash;
    const double rise = std::min(a * riseRate_ + riseFloor_, 1.0);
    const double fall = std::min((life - a) * fallRate_ + fallFloor_, 1.0);
    return rise * fall + flash;
  }

  // The colour at age a, planes 0, 1, 2 (red, green, blue) x 128.
  void ColourAt(double a, double colour[3]) const {
    double change = 0;
    if (changesColour_ && a >= colourAge_) {
      change = std::min((a - colourAge_) * blendRate_ + blendFloor_, 1.0);
    }
    for (int c = 0; c < 3; ++c) colour[c] = first_[c] + (second_[c] - first_[c]) * change;
  }

 private:
  bool steady_ = true;
  bool strobes_ = false;
  bool changesColour_ = false;
  // A ramp over a span is min(into x rate + floor, 1): rate 1 / span and
  // floor 0, or rate 0 and floor 1 (always full) without a span.
  double riseRate_ = 0;
  double riseFloor_ = 1;
  double fallRate_ = 0;
  double fallFloor_ = 1;
  double flash_ = 0;
  double flashRate_ = 0;
  long double strobePeriod_ = 0;
  uint64_t litCycles_ = UINT64_MAX;  // the strobe is lit below this place of its cycle
  double colourAge_ = 0;
  double blendRate_ = 0;
  double blendFloor_ = 1;
  double first_[3] = {0, 0, 0};
  double second_[3] = {0, 0, 0};
};

}  // namespace kirabel
