#pragma once
// Choosing once per trail how its samples reach the space: into the classic
// 16-bit values or the linear 32-bit ones, as points or, with film light and
// a star size, as discs; with or without anti-aliasing and wrapping. The
// drawing code is given the plotter as a type, so its inner loop holds no
// such choice.
#include "simulation/space_buffer.h"
#include "simulation/space_plot.h"
#include "simulation/star_disc.h"
#include "simulation/trail.h"

namespace kirabel {

// Whether the options draw stars as discs into space.
inline bool DrawsDiscs(const SpaceBuffer& space, const RenderOptions& options) {
  return space.Linear() && options.linearLight && options.starRadius > 0;
}

// Calls draw with the point plotter of the space's values and the options.
template <class Draw>
void WithPointPlotter(SpaceBuffer& space, const RenderOptions& options, Draw&& draw) {
  if (space.Linear()) {
    WithPointPlotter(PixelTarget<uint32_t>(space), options.antiAlias, options.wrap, draw);
  } else {
    WithPointPlotter(PixelTarget<uint16_t>(space), options.antiAlias, options.wrap, draw);
  }
}

// Calls draw with the disc plotter of the options into target.
template <class Draw>
void WithDiscPlotter(const PixelTarget<uint32_t>& target, const RenderOptions& options,
                     const StarDiscs& discs, Draw&& draw) {
  const float radius = options.starRadius;
  if (options.antiAlias) {
    if (options.wrap)
      draw(DiscPlotter<true, true>(target, radius, discs));
    else
      draw(DiscPlotter<true, false>(target, radius, discs));
  } else if (options.wrap) {
    draw(DiscPlotter<false, true>(target, radius, discs));
  } else {
    draw(DiscPlotter<false, false>(target, radius, discs));
  }
}

// Calls draw with the plotter of a star's samples: discs when the options
// draw them, else points.
template <class Draw>
void WithStarPlotter(SpaceBuffer& space, const RenderOptions& options, const StarDiscs& discs,
                     Draw&& draw) {
  if (DrawsDiscs(space, options)) {
    WithDiscPlotter(PixelTarget<uint32_t>(space), options, discs, draw);
  } else {
    WithPointPlotter(space, options, draw);
  }
}

}  // namespace kirabel
