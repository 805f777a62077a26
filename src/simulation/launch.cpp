#include "simulation/launch.h"

#include <algorithm>
#include <utility>

#include "image/picture.h"
#include "simulation/frame_developer.h"
#include "simulation/parallel_renderer.h"
#include "simulation/random.h"
#include "simulation/space_buffer.h"

namespace kirabel {

int64_t FrameCount(long double nf) {
  if (!(nf >= 1)) return 0;
  constexpr long double kMaxFrames = 9223372036854775807.0L;
  return nf >= kMaxFrames ? INT64_MAX : static_cast<int64_t>(nf);
}

Launch::BuildResult Launch::Build(const ParticleList& list, const LaunchSettings& settings,
                                  RandomGenerator& random, int64_t askFrom,
                                  const ConfirmParticleCountFn& confirm, int jobs,
                                  const StopRequest& stop) {
  // A copy: commands that run while the count is asked (or later, inside a
  // progress step) may replace the settings; the launch keeps these.
  const LaunchSettings kept = settings;
  BuildResult result;
  const CountCheck check = CheckParticleCount(list, askFrom, confirm);
  result.estimate = check.estimate;
  if (!check.accepted) {
    result.outcome = Outcome::kDeclined;
    return result;
  }
  LaunchList sets;
  const RandomGenerator before = random;
  if (!PopulateLaunchList(list, kept, random, sets, jobs, stop)) {
    // Where a complete build leaves the generator, as if its numbers were
    // drawn: the next launch is the same whenever this one was stopped.
    random = before;
    if (!kept.ownRandom) random.Leap(static_cast<uint64_t>(check.estimate.draws));
    result.outcome = Outcome::kStopped;
    return result;
  }
  result.outcome = Outcome::kBuilt;
  result.launch = std::make_unique<Launch>(kept, std::move(sets), jobs);
  return result;
}

Launch::Launch(const LaunchSettings& settings, LaunchList sets, int jobs)
    : settings_(settings),
      sets_(std::move(sets)),
      clock_(settings.startTime, settings.frameInterval) {
  if (jobs > 1) parallel_ = std::make_unique<ParallelRenderer>(jobs);
}

// The launched sets go last first, as they were built.
Launch::~Launch() {
  while (!sets_.empty()) sets_.pop_back();
}

int64_t Launch::FrameCount() const {
  return kirabel::FrameCount(settings_.frameCount);
}

long double Launch::FrameTime(int64_t frame) const {
  return clock_.Time(frame);
}

bool Launch::DrawFrame(int64_t frame, SpaceBuffer& space, Picture& picture,
                       const RenderOptions& options, const ProgressStep& step,
                       const StopRequest& stop) {
  return DrawAt(FrameTime(frame), space, picture, options, step, stop);
}

bool Launch::DrawAt(long double t, SpaceBuffer& space, Picture& picture,
                    const RenderOptions& options, const ProgressStep& step,
                    const StopRequest& stop) {
  space.SetLinear(options.linearLight);
  space.Clear();
  const Forces air(settings_.gravity, settings_.wind);
  // The classic picture is copied while the threads are still at work; a
  // developed one needs the whole frame first.
  const bool develop = developer_ && !developer_->Classic();
  Picture* copyTo = develop ? nullptr : &picture;
  if (parallel_) {
    if (!parallel_->Render(sets_, t, air, options, space, copyTo, stop)) return false;
  } else {
    if (!RenderFrame(sets_, t, air, options, step, space, stop)) return false;
    if (copyTo) CopySpaceToPicture(space, *copyTo);
  }
  if (develop) developer_->DevelopPicture(space, picture);
  return true;
}

}  // namespace kirabel
