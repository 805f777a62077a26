#pragma once
// Particle sets for tests that care about names and child links: a visible
// set of seven particles at (256, 256), everything else as a new record.
#include <string>

#include "model/particle.h"
#include "model/star_effects.h"

namespace kirabel::testing {

inline ParticleSet NamedSet(const std::string& name, int32_t child = -1) {
  ParticleSet set;
  set.name = name;
  set.child = child;
  set.count = 7;
  set.visible = true;
  set.originX = 256;
  set.originY = 256;
  set.birthSpread = 5;
  return set;
}

// Star effects with every field away from its default and within its limits.
inline StarEffects EveryStarEffect() {
  StarEffects e;
  e.drag = 0.25L;
  e.fadeIn = 1.5L;
  e.fadeOut = 2.5L;
  e.flash = 3;
  e.flashTime = 0.75L;
  e.strobePeriod = 0.5L;
  e.strobeLit = 0.4L;
  e.secondRed = 10;
  e.secondGreen = 20;
  e.secondBlue = 30;
  e.secondColourAge = 4;
  e.secondColourBlend = 1.25L;
  e.sparkRate = 6;
  e.sparkLifetime = 2;
  e.sparkSpeed = 1.5L;
  e.sparkRed = 40;
  e.sparkGreen = 50;
  e.sparkBlue = 60;
  e.seed = -123456;
  return e;
}

}  // namespace kirabel::testing
