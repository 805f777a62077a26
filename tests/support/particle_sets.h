#pragma once
// Particle sets for tests that care about names and child links: a visible
// set of seven particles at (256, 256), everything else as a new record.
#include <string>

#include "model/particle.h"

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

}  // namespace kirabel::testing
