#include "simulation/particle_count.h"

#include <string>

#include "platform/memory_info.h"

namespace kirabel {

CountCheck CheckParticleCount(const ParticleList& list, int64_t askFrom,
                              const ConfirmParticleCountFn& confirm) {
  CountCheck check;
  check.estimate = EstimateParticles(list);
  if (!FitsInMemory(check.estimate, PhysicalMemoryBytes())) {
    throw ParticleMemoryError(check.estimate.Total());
  }
  const int64_t total = check.estimate.Total();
  check.accepted = total < askFrom || (confirm && confirm(total));
  return check;
}

}  // namespace kirabel
