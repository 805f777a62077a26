#include "picture_io/exporter.h"

#include <algorithm>
#include <memory>

#include "image/picture.h"
#include "simulation/frame_loop.h"
#include "simulation/launch.h"
#include "simulation/space_buffer.h"

namespace kirabel {

ExportEnd RunExport(const ExportJob& job, const ExportProgress& progress) {
  const Scene& scene = job.scene;
  // The encoder first: a space without pixels is refused before any work.
  std::optional<AnimationWriter> animation;
  std::unique_ptr<FrameSink> sink;
  if (job.animation) {
    std::optional<PlacedSoundtrack> sound;
    if (job.soundtrack)
      sound = PlaceSoundtrack(*job.soundtrack, job.firstFrame, job.lastFrame, job.rate);
    animation.emplace(job.animationPath, *job.animation, scene.width, scene.height, job.rate,
                      sound);
    sink = std::make_unique<AnimationSink>(*animation);
  } else {
    sink = std::make_unique<NumberedFramesSink>(scene.settings.autosaveName, job.format,
                                                job.skipExisting);
  }
  RandomGenerator random = scene.random;
  const Launch::BuildResult built =
      Launch::Build(scene.sets, scene.settings, random, INT64_MAX, {}, scene.jobs);
  // Only a saturated count reaches the threshold, and it cannot fit.
  if (!built.launch) throw ParticleMemoryError(built.estimate.particles);
  SpaceBuffer space(scene.width, scene.height);
  Picture picture;
  picture.SetHeight(scene.height);
  picture.SetWidth(scene.width);
  FrameLoopHooks hooks;
  hooks.beforeFrame = progress;
  if (DrawFrames(*built.launch, job.firstFrame, job.lastFrame, space, picture, scene.options,
                 {sink.get()}, hooks) == FrameLoopEnd::kStopped) {
    return ExportEnd::kCancelled;
  }
  // Finishing the animation (the encoder's last work, the file put in place)
  // can still be cancelled: every frame is done, and the animation is dropped.
  const int64_t total = std::max<int64_t>(job.lastFrame - job.firstFrame + 1, 0);
  const auto keepGoing = [&] { return !progress || progress(total, total, job.lastFrame); };
  if (animation && !animation->Finish(keepGoing)) return ExportEnd::kCancelled;
  if (progress) progress(total, total, job.lastFrame);
  return ExportEnd::kDone;
}

}  // namespace kirabel
