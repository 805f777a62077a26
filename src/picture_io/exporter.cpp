#include "picture_io/exporter.h"

#include <algorithm>
#include <exception>
#include <filesystem>

#include "image/picture.h"
#include "simulation/launch.h"
#include "simulation/space_buffer.h"

namespace kirabel {

ExportEnd RunExport(const ExportJob& job, const ExportProgress& progress, int64_t* particles) {
  // The encoder first: a space without pixels is refused before any work.
  std::optional<AnimationWriter> animation;
  if (job.animation) {
    animation.emplace(job.animationPath, *job.animation, job.width, job.height, job.rate);
  }
  RandomGenerator random = job.random;
  const Launch::BuildResult built =
      Launch::Build(job.sets, job.settings, random, INT64_MAX, {}, job.jobs);
  if (particles) *particles = built.estimate.particles;
  if (!built.launch) return ExportEnd::kTooLarge;
  SpaceBuffer space(job.width, job.height);
  Picture picture;
  picture.SetHeight(job.height);
  picture.SetWidth(job.width);
  const int64_t total = std::max<int64_t>(job.lastFrame - job.firstFrame + 1, 0);
  for (int64_t frame = job.firstFrame; frame <= job.lastFrame; ++frame) {
    if (progress && !progress(frame - job.firstFrame, total, frame)) return ExportEnd::kCancelled;
    const std::string file = NumberedFrameName(job.settings.autosaveName, frame, job.format);
    if (animation || !(job.skipExisting && std::filesystem::exists(file))) {
      built.launch->DrawFrame(frame, space, picture, job.options);
      try {
        if (animation) {
          animation->Add(picture);
        } else {
          WriteFrame(space, picture, file, job.format);
        }
      } catch (const std::exception& e) {
        std::throw_with_nested(FrameNotWrittenError(frame, e.what()));
      }
    }
  }
  // Finishing the animation (the encoder's last work, the file put in place)
  // can still be cancelled: every frame is done, and the animation is dropped.
  const auto keepGoing = [&] { return !progress || progress(total, total, job.lastFrame); };
  if (animation && !animation->Finish(keepGoing)) return ExportEnd::kCancelled;
  if (progress) progress(total, total, job.lastFrame);
  return ExportEnd::kDone;
}

}  // namespace kirabel
