#include "simulation/motion_step.h"

#include <cmath>

#include "simulation/drag_law.h"

namespace kirabel {

MotionStep::MotionStep(const Forces& forces, double h) {
  const double g = static_cast<double>(forces.gravity);
  if (forces.HasDrag()) {
    const double k = static_cast<double>(forces.drag);
    const double gone = -std::expm1(-k * h);  // the share of the speed through the air lost
    carry = gone / k;                         // Spent(k, h)
    keep = 1 - gone;
    drift = static_cast<double>(forces.wind) * h;
    fall = g * Fallen(k, h, carry);
  } else {
    carry = h;
    fall = g * h * h / 2;
  }
  gain = g * carry;
  usable = std::isfinite(keep) && std::isfinite(carry) && std::isfinite(drift) &&
           std::isfinite(fall) && std::isfinite(gain);
}

MovingPoint PointAtAge(const ParticleState& p, double a, const Forces& forces) {
  const double g = static_cast<double>(forces.gravity);
  const double vx = static_cast<double>(p.vx);
  const double vy = static_cast<double>(p.vy);
  MovingPoint point;
  if (!forces.HasDrag()) {
    point.x = static_cast<double>(p.x0) + vx * a;
    point.y = static_cast<double>(p.y0) + vy * a + g * a * a / 2;
    point.airX = vx;
    point.vy = vy + g * a;
    return point;
  }
  const double k = static_cast<double>(forces.drag);
  const double w = static_cast<double>(forces.wind);
  const double gone = -std::expm1(-k * a);  // the share of the speed through the air lost
  const double spent = gone / k;            // Spent(k, a)
  const double left = 1 - gone;
  point.x = static_cast<double>(p.x0) + w * a + (vx - w) * spent;
  point.y = static_cast<double>(p.y0) + vy * spent + g * Fallen(k, a, spent);
  point.airX = (vx - w) * left;
  point.vy = vy * left + g * spent;
  return point;
}

}  // namespace kirabel
