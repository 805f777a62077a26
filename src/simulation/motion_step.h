#pragma once
// A particle's motion advanced in equal steps of time, in double precision,
// for drawing a trail's samples or a star's sparks one after another. Each
// step applies the closed form over the step itself (position and velocity
// after h from those before), so nothing but rounding separates the stepped
// point from the closed form at its age, and no transcendental function is
// evaluated per step.
#include "simulation/particle_motion.h"

namespace kirabel {

// The factors of one step of time h under the given forces.
struct MotionStep {
  MotionStep() = default;
  MotionStep(const Forces& forces, double h);

  double keep = 1;      // e^(-k h): the share of the speed through the air kept (1 in a vacuum)
  double carry = 0;     // (1 - e^(-k h)) / k: how far a speed of 1 carries (h in a vacuum)
  double drift = 0;     // w h: how far the wind carries
  double fall = 0;      // how far gravity pulls from rest: g (h - carry) / k (g h^2 / 2)
  double gain = 0;      // the speed gravity adds: g carry (g h)
  bool usable = false;  // every factor finite; else the points are taken at each age
};

// A particle's position and its velocity, the horizontal part relative to
// the wind (the wind counts only with drag).
struct MovingPoint {
  double x = 0;
  double y = 0;
  double airX = 0;  // vx - wind
  double vy = 0;

  // The point one step later.
  void Advance(const MotionStep& step) {
    x += step.drift + airX * step.carry;
    y += vy * step.carry + step.fall;
    airX *= step.keep;
    vy = vy * step.keep + step.gain;
  }
};

// The point of particle p at age a, by the closed form.
MovingPoint PointAtAge(const ParticleState& p, double a, const Forces& forces);

}  // namespace kirabel
