#include "simulation/frame_loop.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "image/picture.h"
#include "simulation/launch.h"
#include "simulation/launch_scene.h"
#include "simulation/space_buffer.h"

namespace kirabel {

namespace {

// The sinks that want the frame.
std::vector<FrameSink*> SinksWanting(const std::vector<FrameSink*>& sinks, int64_t frame) {
  std::vector<FrameSink*> wanting;
  std::copy_if(sinks.begin(), sinks.end(), std::back_inserter(wanting),
               [frame](FrameSink* sink) { return sink->Wants(frame); });
  return wanting;
}

}  // namespace

FrameLoopEnd DrawFrames(Launch& launch, int64_t first, int64_t last, SpaceBuffer& space,
                        Picture& picture, const RenderOptions& options,
                        const std::vector<FrameSink*>& sinks, const FrameLoopHooks& hooks) {
  const int64_t total = std::max<int64_t>(last - first + 1, 0);
  for (int64_t frame = first; frame <= last; ++frame) {
    if (hooks.beforeFrame && !hooks.beforeFrame(frame - first, total, frame)) {
      return FrameLoopEnd::kStopped;
    }
    const std::vector<FrameSink*> wanting = SinksWanting(sinks, frame);
    if (wanting.empty()) continue;
    const RenderOptions frameOptions = hooks.options ? hooks.options() : options;
    if (!launch.DrawFrame(frame, space, picture, frameOptions, hooks.step, hooks.stop)) {
      return FrameLoopEnd::kStopped;
    }
    for (FrameSink* sink : wanting) sink->Take(frame, space, picture);
  }
  return FrameLoopEnd::kDone;
}

FrameLoopEnd DrawSceneFrames(const Scene& scene, int64_t first, int64_t last,
                             const std::vector<FrameSink*>& sinks, const FrameLoopHooks& hooks,
                             SpaceBuffer* space) {
  RandomGenerator random = scene.random;
  const Launch::BuildResult built =
      Launch::Build(scene.sets, scene.settings, random, INT64_MAX, {}, scene.jobs, hooks.stop);
  if (hooks.built) hooks.built(random);
  if (built.outcome == Launch::Outcome::kStopped) return FrameLoopEnd::kStopped;
  // Only a saturated count reaches the threshold, and it cannot fit.
  if (!built.launch) throw ParticleMemoryError(built.estimate.Total());
  built.launch->SetDeveloper(scene.developer);
  std::optional<SpaceBuffer> ownSpace;
  if (!space) space = &ownSpace.emplace(scene.width, scene.height, scene.options.linearLight);
  Picture picture;
  picture.SetHeight(scene.height);
  picture.SetWidth(scene.width);
  return DrawFrames(*built.launch, first, last, *space, picture, scene.options, sinks, hooks);
}

}  // namespace kirabel
