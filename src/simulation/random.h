#pragma once
// The process-wide pseudo-random generator of launches and the factor in
// [-1, 1) that each distribution mode gives a scattered quantity.
#include <cstdint>

#include "model/particle.h"

namespace kirabel {

// Generator state: 0 at program start and never reseeded, so the first launch
// after start-up always draws the same numbers.
extern uint32_t RandomSeed;

// Advances RandomSeed (x 134775813 + 1, modulo 2^32) and returns it x 2^-32,
// a value in [0, 1).
long double NextRandom();

// The factor for particle i of a set of n particles:
//   rmUniform   2 * NextRandom() - 1                 (one draw)
//   rmCentered  NextRandom() + NextRandom() - 1      (two draws, triangular)
//   otherwise   i / (n / 2) - 1, equally spaced      (no draw)
long double RandomFactor(TRandomMode mode, int32_t i, int32_t n);

// The same generator on a state of the caller's, for replaying a stretch of
// the sequence later (the population computes particles after it has made
// all its draws): NextRandom and RandomFactor with `seed` in place of
// RandomSeed.
long double NextRandom(uint32_t& seed);
long double RandomFactor(TRandomMode mode, int32_t i, int32_t n, uint32_t& seed);

// How many draws RandomFactor makes in this mode: 1, 2 or 0.
int DrawCount(TRandomMode mode);

}  // namespace kirabel
