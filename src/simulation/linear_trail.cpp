// The classic trail drawn as points into a space in linear mode.
#include "simulation/space_buffer.h"
#include "simulation/space_plot.h"
#include "simulation/trail_drawer.h"

namespace kirabel {

void DrawLinearTrail(const TrailSet& set, const ParticleState& p, long double t, long double g,
                     const RenderOptions& options, SpaceBuffer& space) {
  WithPointPlotter(PixelTarget<uint32_t>(space), options.antiAlias, options.wrap,
                   [&](const auto& plot) { trail_drawing::DrawTrailWith(set, p, t, g, plot); });
}

}  // namespace kirabel
