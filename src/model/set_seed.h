#pragma once
// The seed of a set's own random stream: made when a set is created in a list
// that keeps own random streams (OWNRANDOM), or for every set when the list
// turns them on, and kept with it (copy, paste, shells, files), so that the
// set's particles stay the same whatever happens to the other sets. A list
// without own random streams makes no seeds, so its file keeps its bytes.
#include <cstdint>

#include "model/launch_settings.h"
#include "model/particle.h"

namespace kirabel {

// A fresh seed, never 0 (0 marks a set without a seed).
int32_t NewSetSeed();

// The set with a fresh seed when it has none yet; a set with a seed keeps it.
ParticleSet WithSeed(ParticleSet set);

// A set created in a list with these settings: with a fresh seed when the
// list keeps own random streams and the set has none, else as it is.
ParticleSet SeededForList(ParticleSet set, const LaunchSettings& settings);

}  // namespace kirabel
