#include "simulation/particle_motion.h"

#include <cmath>

#include "model/angles.h"
#include "simulation/drag_law.h"

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

SpacePoint PositionAtAge(const ParticleState& p, long double a, const Forces& forces) {
  const long double g = forces.gravity;
  if (!forces.HasDrag()) return {p.vx * a + p.x0, (p.vy * a + p.y0) + (g * a * a) / 2};
  const long double k = forces.drag;
  const long double w = forces.wind;
  const long double spent = Spent(k, a);
  return {p.x0 + w * a + (p.vx - w) * spent, p.y0 + p.vy * spent + g * Fallen(k, a, spent)};
}

SpacePoint VelocityAtAge(const ParticleState& p, long double a, const Forces& forces) {
  const long double g = forces.gravity;
  if (!forces.HasDrag()) return {p.vx, g * a + p.vy};
  const long double k = forces.drag;
  const long double w = forces.wind;
  const long double left = std::exp(-k * a);
  return {w + (p.vx - w) * left, p.vy * left + g * Spent(k, a)};
}

// The direction by the slope's arctangent rather than DirectionOfVelocity:
// its range and rounding are part of the launch.
long double DirectionOfMotion(const SpacePoint& velocity) {
  if (std::fabs(velocity.x) >= 0.00001L) {
    long double direction = std::atan(-velocity.y / velocity.x) + 3 * kPi / 2;
    if (velocity.x < 0) direction = direction + kPi;
    return direction;
  }
  return velocity.y > 0 ? kPi : 0;
}

Burst BurstOf(const ParticleState& p, const Forces& forces) {
  const long double l = p.death - p.birth;
  Burst burst;
  burst.origin = PositionAtAge(p, l, forces);
  burst.direction = DirectionOfMotion(VelocityAtAge(p, l, forces));
  return burst;
}

}  // namespace kirabel
