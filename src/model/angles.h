#pragma once
// Directions are kept in radians and shown in degrees. Both conversions run in
// extended precision and divide first, so that a value typed in the dialog
// comes back exactly as it was shown.

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

}  // namespace kirabel
