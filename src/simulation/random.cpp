#include "simulation/random.h"

namespace kirabel {

uint32_t RandomSeed = 0;

long double NextRandom(uint32_t& seed) {
  seed = seed * 134775813u + 1u;
  constexpr long double kScale = 1.0L / 4294967296.0L;  // 2^-32
  return static_cast<long double>(seed) * kScale;
}

long double RandomFactor(TRandomMode mode, int32_t i, int32_t n, uint32_t& seed) {
  switch (mode) {
    case rmUniform:
      return 2 * NextRandom(seed) - 1;
    case rmCentered: {
      const long double first = NextRandom(seed);
      return first + NextRandom(seed) - 1;
    }
    default:
      return static_cast<long double>(i) / (static_cast<long double>(n) / 2) - 1;
  }
}

long double NextRandom() {
  return NextRandom(RandomSeed);
}

long double RandomFactor(TRandomMode mode, int32_t i, int32_t n) {
  return RandomFactor(mode, i, n, RandomSeed);
}

int DrawCount(TRandomMode mode) {
  return mode == rmUniform ? 1 : mode == rmCentered ? 2 : 0;
}

}  // namespace kirabel
