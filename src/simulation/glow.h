#pragma once
// Glow: bright light bleeding around itself, as it does in a lens and in the
// air. The light is halved level by level into a pyramid, each level blurred a
// little, and the levels added back up: the sum is a soft, wide copy of the
// light with the same total, falling off smoothly around every bright point.
#include "simulation/light_image.h"

namespace kirabel {

// Adds strength x the glow of `light` to it. radius: the glow's reach in
// pixels; below one pixel, or with strength 0, nothing changes.
void AddGlow(LightImage& light, double strength, double radius);

}  // namespace kirabel
