// The classic trail drawn into a space in linear mode with its samples as
// discs thinning towards the tail.
#include "simulation/space_buffer.h"
#include "simulation/star_plotter.h"
#include "simulation/trail_drawer.h"

namespace kirabel {

void DrawDiscTrail(const TrailSet& set, const ParticleState& p, long double t, long double g,
                   const RenderOptions& options, const StarDiscs& discs, SpaceBuffer& space) {
  WithDiscPlotter(PixelTarget<uint32_t>(space), options, discs,
                  [&](const auto& plot) { trail_drawing::DrawTrailWith(set, p, t, g, plot); });
}

}  // namespace kirabel
