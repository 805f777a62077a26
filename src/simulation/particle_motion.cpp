#include "simulation/particle_motion.h"

#include <cmath>

#include "model/angles.h"

namespace kirabel {

namespace {

// (1 - e^(-k a)) / k: how far a start speed of 1 carries a particle by age a.
long double Spent(long double k, long double a) {
  return -std::expm1(-k * a) / k;
}

// (a - spent) / k: how far a gravity of 1 pulls a particle by age a. The
// terminal-speed form (g / k) a + (vy - g / k) spent is the same, but for a
// small k a it subtracts nearly equal large numbers; this one stays exact,
// with the series a^2 (1/2 - k a / 6 + (k a)^2 / 24 - (k a)^3 / 120) there.
long double Fallen(long double k, long double a, long double spent) {
  const long double ka = k * a;
  if (std::fabs(ka) < 1e-3L) {
    return a * a * (0.5L - ka * (1.0L / 6 - ka * (1.0L / 24 - ka / 120)));
  }
  return (a - spent) / k;
}

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
