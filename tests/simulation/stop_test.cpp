// Stopping a launch at any point: a build or a frame, on one thread or
// several, stopped from another thread ends within a fraction of a second,
// keeps nothing half-made and leaves the generator and the picture as a
// stop between frames does.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "simulation/canvas.h"
#include "simulation/launch.h"
#include "simulation/random.h"
#include "simulation/scene.h"

namespace kirabel {
namespace {

using Clock = std::chrono::steady_clock;
using testing::Canvas;

// A list of millions of particles: a burst of 2000 bursts of 2000.
ParticleList HeavyList() {
  return {testing::MakeSet(2000, 1, 2), testing::MakeSet(2000)};
}

// Raises a stop flag from a thread of its own after a while and measures how
// long the work takes to end from then on.
class LateStop {
 public:
  explicit LateStop(std::chrono::milliseconds after)
      : thread_([this, after] {
          std::this_thread::sleep_for(after);
          raisedAt_ = Clock::now();
          stop_ = true;
        }) {}
  ~LateStop() {
    if (thread_.joinable()) thread_.join();
  }
  StopRequest Request() {
    return [this] { return stop_.load(); };
  }
  // Seconds from the stop to now (waits for the stop to be raised).
  double SecondsSinceStop() {
    const Clock::time_point now = Clock::now();
    thread_.join();
    return std::chrono::duration<double>(now - raisedAt_).count();
  }

 private:
  std::atomic<bool> stop_{false};
  Clock::time_point raisedAt_;
  std::thread thread_;
};

// The bound is generous for sanitizer builds on a busy machine; without a
// check the work goes on for seconds.
constexpr double kPromptly = 1.0;

TEST(StopTest, AHeavyBuildStopsPromptlyAndKeepsNothing) {
  for (const int jobs : {1, 2}) {
    SCOPED_TRACE(jobs);
    RandomGenerator random(7);
    LateStop stop(std::chrono::milliseconds(50));
    const Launch::BuildResult built =
        Launch::Build(HeavyList(), {}, random, INT64_MAX, {}, jobs, stop.Request());
    EXPECT_LT(stop.SecondsSinceStop(), kPromptly);
    EXPECT_EQ(built.outcome, Launch::Outcome::kStopped);
    EXPECT_FALSE(built.launch);
  }
}

// A stopped build leaves the generator where a complete one leaves it, so
// the next launch does not depend on when the stop came; with own random
// streams it is untouched either way.
TEST(StopTest, AStoppedBuildAdvancesTheGeneratorAsACompleteOne) {
  const ParticleList list{testing::MakeSet(3000, 1, 3), testing::MakeSet(2, 1, 2)};
  for (const bool ownRandom : {false, true}) {
    SCOPED_TRACE(ownRandom);
    LaunchSettings settings;
    settings.ownRandom = ownRandom;
    RandomGenerator complete(99), stopped(99);
    Launch::Build(list, settings, complete, INT64_MAX, {});
    const Launch::BuildResult built =
        Launch::Build(list, settings, stopped, INT64_MAX, {}, 1, [] { return true; });
    EXPECT_EQ(built.outcome, Launch::Outcome::kStopped);
    EXPECT_EQ(stopped.State(), complete.State());
  }
}

// The draws of the estimate are those a complete build makes, for lists of
// every shape (children, generations, modes, hidden sets).
TEST(StopTest, TheEstimateCountsTheDrawsOfTheBuild) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    const ParticleList list = testing::RandomScene(seed);
    RandomGenerator built(seed), leapt(seed);
    Launch::Build(list, {}, built, INT64_MAX, {});
    leapt.Leap(static_cast<uint64_t>(EstimateParticles(list).draws));
    EXPECT_EQ(leapt.State(), built.State());
  }
}

// A frame heavy enough to take seconds, on one thread and on two, stopped
// from another thread: it ends promptly and the picture keeps its bytes.
TEST(StopTest, AHeavyFrameStopsPromptlyAndLeavesThePicture) {
  ParticleSet heavy = testing::MakeSet(200000);
  heavy.trailSamples = 2000;
  heavy.lifetimeSpread = 0;
  heavy.birthSpread = 0;
  for (const int jobs : {1, 2}) {
    SCOPED_TRACE(jobs);
    RandomGenerator random;
    const auto launch = Launch::Build({heavy}, {}, random, INT64_MAX, {}, jobs).launch;
    ASSERT_TRUE(launch);
    Canvas canvas(512, 512);
    std::memset(canvas.picture.Bits(), 0x11, canvas.Bytes().size());
    LateStop stop(std::chrono::milliseconds(50));
    EXPECT_FALSE(launch->DrawAt(5, canvas.space, canvas.picture, {}, {}, stop.Request()));
    EXPECT_LT(stop.SecondsSinceStop(), kPromptly);
    EXPECT_EQ(canvas.Bytes(), std::vector<uint8_t>(canvas.Bytes().size(), 0x11));
  }
}

// A stop request that never stops changes no byte, for any number of jobs.
TEST(StopTest, FramesAskedButNotStoppedAreTheSameForEveryJobCount) {
  ParticleList list{testing::MakeSet(6000, 1, 2), testing::MakeSet(3)};
  list[0].originX = list[0].originY = 32;
  std::vector<uint8_t> alone;
  for (const int jobs : {1, 2, 3}) {
    SCOPED_TRACE(jobs);
    RandomGenerator random;
    const auto launch = Launch::Build(list, {}, random, INT64_MAX, {}, jobs).launch;
    Canvas canvas;
    ASSERT_TRUE(launch->DrawAt(12, canvas.space, canvas.picture, {}, {}, [] { return false; }));
    if (jobs == 1) alone = canvas.Bytes();
    EXPECT_EQ(canvas.Bytes(), alone);
  }
}

}  // namespace
}  // namespace kirabel
