#pragma once
// The pseudo-random generator of launches and the factor in [-1, 1) that each
// distribution mode gives a scattered quantity.
#include <cstdint>

#include "model/particle.h"

namespace kirabel {

// A linear congruential generator: state x 134775813 + 1, modulo 2^32. The
// desktop program keeps one from start-up on (state 0, never reseeded), so
// the first launch after start-up always draws the same numbers and a second
// launch continues the sequence.
class RandomGenerator {
 public:
  explicit RandomGenerator(uint32_t state = 0) : state_(state) {}

  // Advances the state and returns it x 2^-32, a value in [0, 1).
  long double Next() {
    state_ = state_ * 134775813u + 1u;
    constexpr long double kScale = 1.0L / 4294967296.0L;  // 2^-32
    return static_cast<long double>(state_) * kScale;
  }
  // Advances the state as `draws` calls of Next() do.
  void Skip(int draws) {
    for (int d = 0; d < draws; ++d) state_ = state_ * 134775813u + 1u;
  }
  // The same for any number of draws, in at most 64 steps.
  void Leap(uint64_t draws);
  uint32_t State() const { return state_; }

 private:
  uint32_t state_;
};

// The factor for particle i of a set of n particles:
//   kUniformDistribution   2 * Next() - 1                 (one draw)
//   kCenteredDistribution  Next() + Next() - 1            (two draws, triangular)
//   otherwise   i / (n / 2) - 1, equally spaced (no draw)
long double RandomFactor(Distribution mode, int32_t i, int32_t n, RandomGenerator& random);

// How many draws RandomFactor makes in this mode: 1, 2 or 0.
int DrawCount(Distribution mode);
// How many draws the four factors of one particle of set make.
int DrawsPerParticle(const ParticleSet& set);

}  // namespace kirabel
