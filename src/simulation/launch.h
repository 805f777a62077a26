#pragma once
// A launch: the particles of a list under a set of launch settings, built
// once and then drawn frame by frame on request. Frame i shows time
// ST + (i - 1) x IT (accumulated frame by frame, as a run from the first
// frame adds the interval). The space is cleared before every frame, so the
// frames are independent of each other: any frame can be drawn in any order
// and comes out byte for byte as in a run from the first.
//
// The launch knows nothing of windows: it asks its caller for the particle
// count through a callback, a frame reports progress (and can be stopped)
// through a ProgressStep, and the build and every frame ask a StopRequest
// every so many particles, so that a stop is answered at once. Captions,
// message texts, cursors and buttons belong to the callers.
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

#include "model/launch_settings.h"
#include "model/particle.h"
#include "simulation/frame_clock.h"
#include "simulation/particle_count.h"
#include "simulation/population.h"
#include "simulation/renderer.h"
#include "simulation/stop_request.h"

namespace kirabel {

class FrameDeveloper;
class ParallelRenderer;
class RandomGenerator;
class Picture;
class SpaceBuffer;

// The number of frames of NF: its integer part, 0 for a value below 1 or
// not a number.
int64_t FrameCount(long double nf);

class Launch {
 public:
  enum class Outcome {
    kBuilt,
    kDeclined,  // the caller declined the particle count; nothing was drawn
    kStopped,   // the stop request stopped the build; nothing was kept
  };
  struct BuildResult {
    Outcome outcome = Outcome::kDeclined;
    ParticleEstimate estimate;
    std::unique_ptr<Launch> launch;  // set for kBuilt
  };

  // Checks the particle count (CheckParticleCount: ParticleMemoryError for
  // what cannot fit, confirm asked from askFrom particles on); then expands
  // every visible set, drawing from random (only when built). jobs > 1
  // builds large generations and draws frames on that many threads (the
  // same bytes; frames then have no progress steps). stop is asked every so
  // many particles; a build it stopped keeps nothing and leaves random where
  // a complete build leaves it. Raises OutOfMemoryError when memory
  // runs out while building.
  static BuildResult Build(const ParticleList& list, const LaunchSettings& settings,
                           RandomGenerator& random, int64_t askFrom,
                           const ConfirmParticleCountFn& confirm, int jobs = 1,
                           const StopRequest& stop = {});

  Launch(const LaunchSettings& settings, LaunchList sets, int jobs);
  ~Launch();
  Launch(const Launch&) = delete;
  Launch& operator=(const Launch&) = delete;

  // The settings the launch was built with (later edits do not reach it).
  const LaunchSettings& Settings() const { return settings_; }
  int64_t FrameCount() const;
  // The time of frame (1-based).
  long double FrameTime(int64_t frame) const;
  const LaunchList& Sets() const { return sets_; }
  // How frames become pictures from now on (null: the classic picture).
  void SetDeveloper(std::shared_ptr<const FrameDeveloper> developer) {
    developer_ = std::move(developer);
  }

  // Clears space, draws frame into it and copies it into picture (both of
  // the same size). options is read for every particle. Returns false when
  // a progress step or stop stopped the frame: picture is then left as it was.
  bool DrawFrame(int64_t frame, SpaceBuffer& space, Picture& picture, const RenderOptions& options,
                 const ProgressStep& step = {}, const StopRequest& stop = {});
  // The same at any time t (a frame's own time gives that frame's bytes).
  bool DrawAt(long double t, SpaceBuffer& space, Picture& picture, const RenderOptions& options,
              const ProgressStep& step = {}, const StopRequest& stop = {});

 private:
  LaunchSettings settings_;
  LaunchList sets_;
  std::unique_ptr<ParallelRenderer> parallel_;  // null: draw on the calling thread
  std::shared_ptr<const FrameDeveloper> developer_;
  FrameClock clock_;
};

}  // namespace kirabel
