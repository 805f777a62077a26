#include "simulation/random.h"

namespace kirabel {

uint32_t RandomSeed = 0;

long double NextRandom() {
  RandomSeed = RandomSeed * 134775813u + 1u;
  constexpr long double kScale = 1.0L / 4294967296.0L;  // 2^-32
  return static_cast<long double>(RandomSeed) * kScale;
}

long double RandomFactor(TRandomMode mode, int32_t i, int32_t n) {
  switch (mode) {
    case rmUniform:
      return 2 * NextRandom() - 1;
    case rmCentered: {
      const long double first = NextRandom();
      return first + NextRandom() - 1;
    }
    default:
      return static_cast<long double>(i) / (static_cast<long double>(n) / 2) - 1;
  }
}

}  // namespace kirabel
