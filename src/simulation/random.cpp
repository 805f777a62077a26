#include "simulation/random.h"

namespace kirabel {

long double RandomFactor(Distribution mode, int32_t i, int32_t n, RandomGenerator& random) {
  switch (mode) {
    case kUniformDistribution:
      return 2 * random.Next() - 1;
    case kCenteredDistribution: {
      const long double first = random.Next();
      return first + random.Next() - 1;
    }
    default:
      return static_cast<long double>(i) / (static_cast<long double>(n) / 2) - 1;
  }
}

int DrawCount(Distribution mode) {
  return mode == kUniformDistribution ? 1 : mode == kCenteredDistribution ? 2 : 0;
}

}  // namespace kirabel
