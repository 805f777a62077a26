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

int DrawsPerParticle(const ParticleSet& set) {
  return DrawCount(set.birthDistribution) + DrawCount(set.lifetimeDistribution) +
         DrawCount(set.directionDistribution) + DrawCount(set.speedDistribution);
}

// A step x -> x a + c applied 2^k times is x -> x A + C with A = a^(2^k) and
// C = c (1 + a + ... + a^(2^k - 1)); the steps of the set bits of draws are
// applied one after another (all modulo 2^32).
void RandomGenerator::Leap(uint64_t draws) {
  uint32_t multiplier = 134775813u;
  uint32_t increment = 1u;
  for (; draws != 0; draws >>= 1) {
    if (draws & 1u) state_ = state_ * multiplier + increment;
    increment = increment * (multiplier + 1u);
    multiplier = multiplier * multiplier;
  }
}

}  // namespace kirabel
