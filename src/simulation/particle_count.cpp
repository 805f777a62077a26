#include "simulation/particle_count.h"

#include <string>

#include "platform/memory_info.h"

namespace kirabel {

CountCheck CheckParticleCount(const ParticleList& list, int64_t askFrom,
                              const ConfirmParticleCountFn& confirm) {
  CountCheck check;
  check.estimate = EstimateParticles(list);
  if (!FitsInMemory(check.estimate, PhysicalMemoryBytes())) {
    throw ParticleMemoryError(check.estimate.particles);
  }
  check.accepted =
      check.estimate.particles < askFrom || (confirm && confirm(check.estimate.particles));
  return check;
}

}  // namespace kirabel
