#pragma once
// The fullest frame of a launch: the frame whose picture holds the most light,
// measured as the sum of its picture's bytes (the first of equal frames). A
// shell's thumbnail shows it, and kirabel-render --fullest writes it.
#include <cstdint>
#include <optional>

#include "image/picture.h"
#include "simulation/frame_loop.h"
#include "simulation/space_buffer.h"

namespace kirabel {

struct Scene;

// The sum of a picture's pixel bytes (the rows' padding left out).
uint64_t PictureByteSum(const Picture& picture);

struct FullestFrame {
  int64_t frame = 0;  // 0: no frame was drawn
  uint64_t byteSum = 0;
  Picture picture;
  SpaceBuffer space{0, 0};  // the frame's exact values
};

// Builds the scene's launch (from a copy of its generator) and draws frames
// first .. last through the frame loop, keeping the fullest. Nothing when the
// hooks stopped the loop. Raises ParticleMemoryError when the launch cannot
// fit into memory and OutOfMemoryError when memory runs out.
std::optional<FullestFrame> DrawFullestFrame(const Scene& scene, int64_t first, int64_t last,
                                             const FrameLoopHooks& hooks = {});

}  // namespace kirabel
