#include "picture_io/exporter.h"

#include <algorithm>
#include <memory>

#include "picture_io/long_exposure_writer.h"
#include "simulation/frame_loop.h"
#include "simulation/long_exposure.h"

namespace kirabel {

ExportEnd RunExport(const ExportJob& job, const ExportProgress& progress, const StopRequest& stop) {
  const Scene& scene = job.scene;
  const ExportOutput& output = job.output;
  // The encoder first: a space without pixels is refused before any work.
  std::optional<AnimationWriter> animation;
  std::unique_ptr<FrameSink> sink;
  LongExposureSink* stack = nullptr;
  if (output.longExposure) {
    auto stacking = std::make_unique<LongExposureSink>(*output.longExposure, scene.width,
                                                       scene.height, scene.developer);
    stack = stacking.get();
    sink = std::move(stacking);
  } else if (output.animation) {
    std::optional<PlacedSoundtrack> sound;
    if (job.soundtrack)
      sound = PlaceSoundtrack(*job.soundtrack, job.firstFrame, job.lastFrame, job.rate);
    VideoOptions video = output.video;
    video.alpha = output.withAlpha;
    animation.emplace(output.animationPath, *output.animation, scene.width, scene.height, job.rate,
                      sound, video);
    sink = std::make_unique<AnimationSink>(*animation, scene.developer);
  } else {
    sink = std::make_unique<NumberedFramesSink>(scene.settings.autosaveName, output.format,
                                                output.skipExisting, scene.developer,
                                                output.withAlpha);
  }
  FrameLoopHooks hooks;
  hooks.beforeFrame = progress;
  hooks.stop = stop;
  if (DrawSceneFrames(scene, job.firstFrame, job.lastFrame, {sink.get()}, hooks) ==
      FrameLoopEnd::kStopped) {
    return ExportEnd::kCancelled;
  }
  // Finishing the animation (the encoder's last work, the file put in place)
  // can still be cancelled: every frame is done, and the animation is dropped.
  const int64_t total = std::max<int64_t>(job.lastFrame - job.firstFrame + 1, 0);
  const auto keepGoing = [&] { return !progress || progress(total, total, job.lastFrame); };
  if (animation && !animation->Finish(keepGoing)) return ExportEnd::kCancelled;
  if (stack) {
    WriteLongExposure(stack->Result(), output.longExposurePath, output.format);
  }
  if (progress) progress(total, total, job.lastFrame);
  return ExportEnd::kDone;
}

}  // namespace kirabel
