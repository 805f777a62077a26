#pragma once
// Counter-based random numbers: a value that depends only on a key and a
// counter, never on what was drawn before. A frame can then draw a star's
// strobe phase or its sparks without any state, and a set's own stream
// depends on nothing but the set and where it bursts.
#include <cstdint>
#include <cstring>

#include "simulation/population.h"

namespace kirabel {

// A well-mixed 64-bit value of x (the finaliser of SplitMix64).
constexpr uint64_t MixBits(uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// The key of a pair of keys.
constexpr uint64_t CombineKeys(uint64_t a, uint64_t b) {
  return MixBits(a ^ MixBits(b));
}

// A number in [0, 1) for counter of key.
inline long double UnitRandom(uint64_t key, uint64_t counter) {
  constexpr long double kScale = 1.0L / 18446744073709551616.0L;  // 2^-64
  return static_cast<long double>(CombineKeys(key, counter)) * kScale;
}

// The identity of particle `index` of a launched set: its own numbers and
// its index, so it stays the same when other sets change.
inline uint64_t ParticleKey(const ParticleState& p, int64_t index) {
  uint64_t key = MixBits(static_cast<uint64_t>(index));
  for (const long double value : {p.birth, p.death, p.x0, p.y0, p.vx, p.vy}) {
    const double rounded = static_cast<double>(value);
    uint64_t bits;
    std::memcpy(&bits, &rounded, sizeof bits);
    key = CombineKeys(key, bits);
  }
  return key;
}

}  // namespace kirabel
