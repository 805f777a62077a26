#include "simulation/particle_motion.h"

#include <cmath>

#include "model/angles.h"

namespace kirabel {

namespace {

void SetMotion(ParticleState& p, long double theta, long double s) {
  const Velocity v = VelocityFromDirection(theta, s);
  p.vx = v.x;
  p.vy = v.y;
}

}  // namespace

ParticleState FirstGenerationParticle(const ParticleSet& set, const MotionFactors& f) {
  ParticleState p;
  p.birth = f.birth * set.birthSpread + set.birthTime;
  p.death = (f.lifetime * set.lifetimeSpread + set.lifetime) + p.birth;
  const long double theta = f.direction * set.directionSpread + set.direction;
  const long double s = f.speed * set.speedSpread + set.speed;
  SetMotion(p, theta, s);
  p.x0 = set.originX;
  p.y0 = set.originY;
  return p;
}

ParticleState ChildParticle(const ParticleSet& set, const MotionFactors& f, const Burst& burst,
                            long double baseTime) {
  ParticleState p;
  p.birth = (f.birth * set.birthSpread + baseTime) + set.birthTime;
  p.death = (f.lifetime * set.lifetimeSpread + set.lifetime) + p.birth;
  const long double theta = f.direction * set.directionSpread + (burst.direction + set.direction);
  const long double s = f.speed * set.speedSpread + set.speed;
  SetMotion(p, theta, s);
  p.x0 = burst.origin.x;
  p.y0 = burst.origin.y;
  return p;
}

SpacePoint PositionAtAge(const ParticleState& p, long double a, long double g) {
  return {p.vx * a + p.x0, (p.vy * a + p.y0) + (g * a * a) / 2};
}

Burst BurstOf(const ParticleState& p, long double g) {
  const long double l = p.death - p.birth;
  Burst burst;
  burst.origin = PositionAtAge(p, l, g);
  const long double v = g * l + p.vy;
  // The direction of the velocity (vx, v) by the slope's arctangent rather
  // than DirectionOfVelocity: its range and rounding are part of the launch.
  if (std::fabs(p.vx) >= 0.00001L) {
    burst.direction = std::atan(-v / p.vx) + 3 * kPi / 2;
    if (p.vx < 0) burst.direction = burst.direction + kPi;
  } else {
    burst.direction = v > 0 ? kPi : 0;
  }
  return burst;
}

}  // namespace kirabel
