#pragma once
// How one launched particle moves: its start from a set's numbers and the
// four random factors drawn for it, its position and velocity at any age
// under gravity and, with drag, the wind, and where and in which direction it
// bursts when it dies. The population, the frames, the sparks and the drawn
// flight paths share these, so all follow the same arithmetic.
#include "model/particle.h"
#include "simulation/population.h"

namespace kirabel {

struct SpacePoint {
  long double x = 0;
  long double y = 0;
};

// What moves a particle besides its start: the launch's gravity and wind and
// the drag of its set. Without drag (0, or anything not above 0) a particle
// flies as in a vacuum and the wind has no effect; gravity alone converts
// to such forces.
struct Forces {
  Forces(long double gravity = 0, long double wind = 0, long double drag = 0)
      : gravity(gravity), wind(wind), drag(drag) {}
  long double gravity;  // [pixels/time^2], positive pulls down
  long double wind;     // the air's speed [pixels/time], + to the right
  long double drag;     // [1/time]

  bool HasDrag() const { return drag > 0; }
  // The same air acting on the particles of set.
  Forces On(const ParticleSet& set) const { return Forces(gravity, wind, set.Effects().drag); }
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

// The particle's position at age a (time since its birth). Without drag
// x = vx a + x0, y = (vy a + y0) + g a^2 / 2; with drag k and wind w
// x = x0 + w a + (vx - w)(1 - e^(-k a)) / k,
// y = y0 + (g / k) a + (vy - g / k)(1 - e^(-k a)) / k (computed in a form
// that stays exact for a tiny drag).
SpacePoint PositionAtAge(const ParticleState& p, long double a, const Forces& forces);

// The particle's velocity at age a: without drag (vx, g a + vy); with drag
// (w + (vx - w) e^(-k a), g / k + (vy - g / k) e^(-k a)).
SpacePoint VelocityAtAge(const ParticleState& p, long double a, const Forces& forces);

// The direction of a motion (0 = up, counter-clockwise; 0, pi, or strictly
// between pi and 3 pi).
long double DirectionOfMotion(const SpacePoint& velocity);

// The particle's position at its death and its direction of motion there.
Burst BurstOf(const ParticleState& p, const Forces& forces);

}  // namespace kirabel
