#pragma once
// The seed of a set's own random stream: made when a set is created and kept
// with it (copy, paste, shells, files), so that under OWNRANDOM the set's
// particles stay the same whatever happens to the other sets.
#include <cstdint>

#include "model/particle.h"

namespace kirabel {

// A fresh seed, never 0 (0 marks a set without a seed).
int32_t NewSetSeed();

// The set with a fresh seed when it has none yet; a set with a seed keeps it.
ParticleSet WithSeed(ParticleSet set);

}  // namespace kirabel
