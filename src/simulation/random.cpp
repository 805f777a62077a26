#include "simulation/random.h"

namespace kirabel {

long double RandomFactor(TRandomMode mode, int32_t i, int32_t n, RandomGenerator& random) {
  switch (mode) {
    case rmUniform:
      return 2 * random.Next() - 1;
    case rmCentered: {
      const long double first = random.Next();
      return first + random.Next() - 1;
    }
    default:
      return static_cast<long double>(i) / (static_cast<long double>(n) / 2) - 1;
  }
}

int DrawCount(TRandomMode mode) {
  return mode == rmUniform ? 1 : mode == rmCentered ? 2 : 0;
}

}  // namespace kirabel
