#pragma once
// The trail of a star with effects: its samples at the ages the classic
// trail uses, each placed by the motion law of its set (drag and wind
// included) and lit by today's trail weight (k / trailSamples) times the
// star's brightness and colour at that sample's age. A fading star thus
// leaves a fading trail, a strobing one a dashed trail, a changing one a
// trail of both colours.
#include <cstdint>

#include "simulation/particle_motion.h"
#include "simulation/star_light.h"
#include "simulation/trail.h"

namespace kirabel {

class SpaceBuffer;

// Draws the trail of star p (strobe phase in [0, 1)) at time t.
void DrawLitTrail(const TrailSet& trail, const StarLight& light, const ParticleState& p,
                  long double phase, long double t, const Forces& forces,
                  const RenderOptions& options, SpaceBuffer& space);

}  // namespace kirabel
