#pragma once
// The limits of a look's numbers. Loading a file holds its values to them and
// the Look dialog builds its fields from them, so that both agree.
#include "model/look.h"

namespace kirabel {

enum class LookNumber { kExposure, kGlow, kGlowRadius, kStarSize, kSkyGlow };

struct LookRange {
  double lowest;
  double highest;
};

// The range the number is held to.
LookRange LookNumberRange(LookNumber number);

// The look with every number held to its range; a number that is not a
// number at all takes its default.
Look WithinLookLimits(const Look& look);

}  // namespace kirabel
