#pragma once
// What kirabel-render --dry-run prints: the list, the estimate and the
// frames that a launch would write.
#include <cstdio>

#include "cli/command_line.h"
#include "model/launch_settings.h"
#include "model/particle.h"
#include "simulation/population.h"

namespace kirabel::cli {

void PrintDryRun(std::FILE* out, const RenderRequest& request, const ParticleList& list,
                 const LaunchSettings& settings, const ParticleEstimate& estimate);

}  // namespace kirabel::cli
