#pragma once
// The two curves of motion through still air with drag k, in any precision:
// how far a start speed of 1 carries a particle by age a, and how far a
// gravity of 1 pulls it. The closed-form positions (particle_motion) and the
// stepped ones of a frame's trails and sparks (motion_step) share them.
#include <cmath>

namespace kirabel {

// (1 - e^(-k a)) / k.
template <typename Real>
Real Spent(Real k, Real a) {
  return -std::expm1(-k * a) / k;
}

// (a - spent) / k, with spent = Spent(k, a). The terminal-speed form
// (g / k) a + (vy - g / k) spent is the same, but for a small k a it
// subtracts nearly equal large numbers; this one stays exact, with the
// series a^2 (1/2 - k a / 6 + (k a)^2 / 24 - (k a)^3 / 120) there.
template <typename Real>
Real Fallen(Real k, Real a, Real spent) {
  const Real ka = k * a;
  if (std::fabs(ka) < Real(1e-3L)) {
    return a * a * (Real(0.5L) - ka * (Real(1) / 6 - ka * (Real(1) / 24 - ka / 120)));
  }
  return (a - spent) / k;
}

}  // namespace kirabel
