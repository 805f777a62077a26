#pragma once
// The one frame loop: draws a range of a launch's frames and hands each
// complete frame to its sinks (the viewer, numbered files, an animation).
#include <cstdint>
#include <functional>
#include <vector>

#include "simulation/renderer.h"
#include "simulation/stop_request.h"
#include "simulation/trail.h"

namespace kirabel {

class Launch;
class Picture;
class RandomGenerator;
class SpaceBuffer;
struct Scene;

class FrameSink {
 public:
  virtual ~FrameSink() = default;
  // Whether the frame needs drawing for this sink (false: it has it already).
  virtual bool Wants(int64_t /*frame*/) { return true; }
  // Takes a complete frame; an exception ends the loop.
  virtual void Take(int64_t frame, const SpaceBuffer& space, const Picture& picture) = 0;
};

struct FrameLoopHooks {
  // Told before each frame (frames done, frames in all, frame number);
  // false stops the loop before that frame.
  std::function<bool(int64_t done, int64_t total, int64_t frame)> beforeFrame;
  // The drawing options of the next frame; empty: the options given.
  std::function<RenderOptions()> options;
  // The progress steps of a frame drawn on one thread; false stops it.
  ProgressStep step;
  // Asked every so many particles, from every thread at work, while the
  // launch is built and while a frame is drawn; true stops the loop there.
  StopRequest stop;
  // DrawSceneFrames only: told once the launch is built, with the state its
  // generator was left in (where the next launch goes on from), also when
  // stop stopped the build.
  std::function<void(const RandomGenerator& after)> built;
};

enum class FrameLoopEnd { kDone, kStopped };

// Draws frames first .. last of launch into space and picture (of the same
// size) and gives each complete frame to the sinks that want it, in order. A
// frame that no sink wants is not drawn.
FrameLoopEnd DrawFrames(Launch& launch, int64_t first, int64_t last, SpaceBuffer& space,
                        Picture& picture, const RenderOptions& options,
                        const std::vector<FrameSink*>& sinks, const FrameLoopHooks& hooks = {});

// Builds the scene's launch (from a copy of its generator, so the scene is
// left as it was) and draws frames first .. last of it at the scene's size
// and options into the sinks, in `space` (of the scene's size) when given,
// else in a space of its own. A build that hooks.stop stopped ends the loop
// as kStopped before any frame. Raises ParticleMemoryError when the launch
// cannot fit into memory.
FrameLoopEnd DrawSceneFrames(const Scene& scene, int64_t first, int64_t last,
                             const std::vector<FrameSink*>& sinks, const FrameLoopHooks& hooks = {},
                             SpaceBuffer* space = nullptr);

}  // namespace kirabel
