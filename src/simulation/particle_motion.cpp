#include "simulation/particle_motion.h"

#include <cmath>

namespace kirabel {

namespace {

constexpr long double kPi = 3.1415926535897932385L;

void SetMotion(ParticleState& p, long double theta, long double s) {
  p.vx = std::sin(theta) * (-s);
  p.vy = std::cos(theta) * (-s);
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
  if (std::fabs(p.vx) >= 0.00001L) {
    burst.direction = std::atan(-v / p.vx) + 3 * kPi / 2;
    if (p.vx < 0) burst.direction = burst.direction + kPi;
  } else {
    burst.direction = v > 0 ? kPi : 0;
  }
  return burst;
}

}  // namespace kirabel
