#include "model/set_seed.h"

#include <random>

namespace kirabel {

int32_t NewSetSeed() {
  static std::random_device device;
  std::uniform_int_distribution<int32_t> seeds(INT32_MIN, INT32_MAX);
  for (;;) {
    const int32_t seed = seeds(device);
    if (seed != 0) return seed;
  }
}

ParticleSet WithSeed(ParticleSet set) {
  if (set.Effects().seed != 0) return set;
  StarEffects effects = set.Effects();
  effects.seed = NewSetSeed();
  set.SetEffects(effects);
  return set;
}

}  // namespace kirabel
