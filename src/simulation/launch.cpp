#include "simulation/launch.h"

#include <algorithm>
#include <utility>

#include "image/picture.h"
#include "platform/memory_info.h"
#include "simulation/parallel_renderer.h"
#include "simulation/space_buffer.h"

namespace kirabel {

int64_t FrameCount(long double nf) {
  if (!(nf >= 1)) return 0;
  constexpr long double kMaxFrames = 9223372036854775807.0L;
  return nf >= kMaxFrames ? INT64_MAX : static_cast<int64_t>(nf);
}

Launch::BuildResult Launch::Build(const ParticleList& list, const LaunchSettings& settings,
                                  RandomGenerator& random, int64_t askFrom,
                                  const ConfirmParticleCountFn& confirm, int jobs) {
  BuildResult result;
  result.estimate = EstimateParticles(list);
  if (!FitsInMemory(result.estimate, PhysicalMemoryBytes())) {
    result.outcome = Outcome::kTooLarge;
    return result;
  }
  if (result.estimate.particles >= askFrom && !(confirm && confirm(result.estimate.particles))) {
    result.outcome = Outcome::kDeclined;
    return result;
  }
  // A copy: commands that run while the count is asked (or later, inside a
  // progress step) may replace the settings; the launch keeps these.
  const LaunchSettings kept = settings;
  LaunchList sets;
  PopulateLaunchList(list, kept.gravity, random, sets, jobs);
  result.outcome = Outcome::kBuilt;
  result.launch = std::make_unique<Launch>(kept, std::move(sets), jobs);
  return result;
}

Launch::Launch(const LaunchSettings& settings, LaunchList sets, int jobs)
    : settings_(settings), sets_(std::move(sets)), frameTime_(settings.startTime) {
  if (jobs > 1) parallel_ = std::make_unique<ParallelRenderer>(jobs);
}

// The launched sets go last first, as they were built.
Launch::~Launch() {
  while (!sets_.empty()) sets_.pop_back();
}

int64_t Launch::FrameCount() const {
  return kirabel::FrameCount(settings_.frameCount);
}

// The interval is added frame by frame (rounding after every addition), so
// the time of the last frame asked for is kept: drawing in order costs one
// addition a frame.
long double Launch::FrameTime(int64_t frame) const {
  frame = std::max<int64_t>(frame, 1);
  if (frame < timedFrame_) {
    timedFrame_ = 1;
    frameTime_ = settings_.startTime;
  }
  for (; timedFrame_ < frame; ++timedFrame_) frameTime_ = frameTime_ + settings_.frameInterval;
  return frameTime_;
}

bool Launch::DrawFrame(int64_t frame, SpaceBuffer& space, Picture& picture,
                       const RenderOptions& options, const ProgressStep& step) {
  const long double t = FrameTime(frame);
  space.Clear();
  if (parallel_) {
    parallel_->Render(sets_, t, settings_.gravity, options, space, picture);
    return true;
  }
  if (!RenderFrame(sets_, t, settings_.gravity, options, step, space)) return false;
  CopySpaceToBitmap(space, picture);
  return true;
}

}  // namespace kirabel
