#pragma once
// How one launched particle moves: its start from a set's numbers and the
// four random factors drawn for it, its position at any age under gravity,
// and where and in which direction it bursts when it dies. The population
// and the drawn flight paths share these, so both follow the same arithmetic.
#include "model/particle.h"
#include "simulation/population.h"

namespace kirabel {

struct SpacePoint {
  long double x = 0;
  long double y = 0;
};

// Where and in which direction a particle bursts when it dies.
struct Burst {
  SpacePoint origin;
  long double direction = 0;
};

// The four factors of one particle in draw order: birth time, lifetime,
// direction, speed. All zero give the set's mean values.
struct MotionFactors {
  long double birth = 0;
  long double lifetime = 0;
  long double direction = 0;
  long double speed = 0;
};

// A particle of a first-generation set.
ParticleState FirstGenerationParticle(const ParticleSet& set, const MotionFactors& f);

// A particle of a set that bursts out of a particle dying at baseTime.
ParticleState ChildParticle(const ParticleSet& set, const MotionFactors& f, const Burst& burst,
                            long double baseTime);

// The particle's position at age a (time since its birth) under gravity g.
SpacePoint PositionAtAge(const ParticleState& p, long double a, long double g);

// The particle's position at its death and its direction of motion there
// (0 = up, counter-clockwise; 0, pi, or strictly between pi and 3 pi).
Burst BurstOf(const ParticleState& p, long double g);

}  // namespace kirabel
