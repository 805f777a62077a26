#pragma once
// The one check of a launch's particle count before it is built: what cannot
// fit into the machine's memory is refused with ParticleMemoryError, and from
// the warning threshold on the caller is asked through a callback. Both
// count the sparks with the particles.
#include <cstdint>
#include <functional>

#include "model/particle.h"
#include "platform/errors.h"
#include "simulation/population.h"

namespace kirabel {

// Asked before a launch of this many particles is built (from the warning
// threshold on); true builds it.
using ConfirmParticleCountFn = std::function<bool(int64_t particles)>;

// The estimate of list when the launch may be built, or a declined estimate
// (accepted false) when confirm said no. Throws ParticleMemoryError, without
// asking, when the particles cannot fit.
struct CountCheck {
  ParticleEstimate estimate;
  bool accepted = false;
};
CountCheck CheckParticleCount(const ParticleList& list, int64_t askFrom,
                              const ConfirmParticleCountFn& confirm);

}  // namespace kirabel
