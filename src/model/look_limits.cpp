#include "model/look_limits.h"

#include <algorithm>
#include <cmath>

namespace kirabel {
namespace {

double HeldTo(LookNumber number, double value, double defaultValue) {
  if (!std::isfinite(value)) return defaultValue;
  const LookRange range = LookNumberRange(number);
  return std::clamp(value, range.lowest, range.highest);
}

}  // namespace

LookRange LookNumberRange(LookNumber number) {
  switch (number) {
    case LookNumber::kExposure:
      return {-10, 10};  // stops
    case LookNumber::kGlow:
      return {0, 4};
    case LookNumber::kGlowRadius:
      return {0.1, 20};  // percent of the picture's height
    case LookNumber::kStarSize:
      return {0, 8};  // pixels
    case LookNumber::kSkyGlow:
      return {0, 4};
  }
  return {0, 0};
}

Look WithinLookLimits(const Look& look) {
  const Look defaults;
  Look held = look;
  held.exposure = HeldTo(LookNumber::kExposure, look.exposure, defaults.exposure);
  held.glow = HeldTo(LookNumber::kGlow, look.glow, defaults.glow);
  held.glowRadius = HeldTo(LookNumber::kGlowRadius, look.glowRadius, defaults.glowRadius);
  held.starSize = HeldTo(LookNumber::kStarSize, look.starSize, defaults.starSize);
  held.skyGlow = HeldTo(LookNumber::kSkyGlow, look.skyGlow, defaults.skyGlow);
  return held;
}

}  // namespace kirabel
