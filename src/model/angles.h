#pragma once
// The direction convention of the whole program: 0 points up and angles grow
// counter-clockwise on screen (y grows downwards), so a direction theta with
// speed s is the velocity (-s sin theta, -s cos theta). Directions are kept in
// radians and shown in degrees. The degree conversions run in extended
// precision and divide first, so that a value typed in the dialog comes back
// exactly as it was shown.
#include <cmath>

namespace kirabel {

constexpr long double kPi = 3.1415926535897932385L;

// stored = shown / 180 × π
inline long double DegreesToRadians(long double degrees) {
  return degrees / 180.0L * kPi;
}

// shown = stored / π × 180
inline long double RadiansToDegrees(long double radians) {
  return radians / kPi * 180.0L;
}

struct Velocity {
  long double x = 0;
  long double y = 0;
};

// The velocity of speed s in direction theta. The launch sets every
// particle's motion through this, so its arithmetic (sin theta × (-s), in
// extended precision) decides the pictures; a speed of 1 gives the unit step.
inline Velocity VelocityFromDirection(long double theta, long double s) {
  return {std::sin(theta) * (-s), std::cos(theta) * (-s)};
}

// The direction of the velocity (vx, vy), from -π to π: the inverse of
// VelocityFromDirection for a positive speed.
inline long double DirectionOfVelocity(long double vx, long double vy) {
  return std::atan2(-vx, -vy);
}

}  // namespace kirabel
