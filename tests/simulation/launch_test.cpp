#include "simulation/launch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "simulation/canvas.h"
#include "simulation/random.h"
#include "simulation/scene.h"

namespace kirabel {
namespace {

using testing::Canvas;

std::unique_ptr<Launch> Built(const ParticleList& list, const LaunchSettings& settings,
                              RandomGenerator& random, int jobs = 1) {
  return Launch::Build(list, settings, random, INT64_MAX, {}, jobs).launch;
}

TEST(LaunchTest, FrameCountIsTheWholePartOfNF) {
  EXPECT_EQ(FrameCount(2.9L), 2);
  EXPECT_EQ(FrameCount(0), 0);
  EXPECT_EQ(FrameCount(0.99L), 0);
  EXPECT_EQ(FrameCount(-3), 0);
  EXPECT_EQ(FrameCount(std::numeric_limits<long double>::quiet_NaN()), 0);
  EXPECT_EQ(FrameCount(1e300L), INT64_MAX);
}

// One particle moving right at one pixel per time unit from x = 0.5: frame i
// at ST + (i - 1) x IT shows it at x = 2, 5, 8, in whatever order frames are
// drawn, with the settings the launch was built with.
TEST(LaunchTest, FramesAreDrawnAtTheirTimesInAnyOrder) {
  ParticleList list{testing::StillSet(1, 0.5L, 1.5L)};
  list[0].speed = 1;
  list[0].direction = -3.1415926535897932385L / 2;
  list[0].trailSamples = 0;
  list[0].trailLength = 0;
  LaunchSettings settings;
  settings.gravity = 0;
  settings.startTime = 2;
  settings.frameInterval = 3;
  settings.frameCount = 3;
  RandomGenerator random;
  const std::unique_ptr<Launch> launch = Built(list, settings, random);
  settings.frameInterval = 100;  // later edits do not reach the launch
  ASSERT_EQ(launch->FrameCount(), 3);
  std::vector<std::vector<uint8_t>> frames(4);
  for (int64_t frame : {3, 1, 2}) {
    Canvas canvas;
    ASSERT_TRUE(launch->DrawFrame(frame, canvas.space, canvas.picture, {}));
    frames[frame] = canvas.Bytes();
  }
  Canvas inOrder;
  for (int64_t frame = 1; frame <= 3; ++frame) {
    SCOPED_TRACE(frame);
    ASSERT_TRUE(launch->DrawFrame(frame, inOrder.space, inOrder.picture, {}));
    EXPECT_EQ(inOrder.Bytes(), frames[frame]);
    const uint8_t* row = inOrder.picture.Row(1);
    const int x = 2 + 3 * static_cast<int>(frame - 1);
    EXPECT_EQ(row[3 * x], 127);
    EXPECT_EQ(row[3 * (x + 1)], 0);
  }
  // Times are summed frame by frame, as a run from the first frame adds them.
  settings.startTime = 0.1L;
  settings.frameInterval = 0.1L;
  const std::unique_ptr<Launch> tenths = Built(list, settings, random);
  EXPECT_EQ(tenths->FrameTime(3), (0.1L + 0.1L) + 0.1L);
  EXPECT_EQ(tenths->FrameTime(2), 0.1L + 0.1L);
}

TEST(LaunchTest, BuildAsksFromTheThresholdAndRefusesWhatCannotFit) {
  ParticleList list{testing::MakeSet(3, 1, 2), testing::MakeSet(2)};  // 9 particles
  list[1].visible = false;
  std::vector<int64_t> asked;
  bool answer = false;
  const auto confirm = [&](int64_t particles) {
    asked.push_back(particles);
    return answer;
  };
  RandomGenerator random(42);
  EXPECT_EQ(Launch::Build(list, {}, random, 10, confirm).outcome, Launch::Outcome::kBuilt);
  EXPECT_TRUE(asked.empty());
  const uint32_t state = random.State();
  const Launch::BuildResult declined = Launch::Build(list, {}, random, 9, confirm);
  EXPECT_EQ(declined.outcome, Launch::Outcome::kDeclined);
  EXPECT_FALSE(declined.launch);
  EXPECT_EQ(asked, std::vector<int64_t>{9});
  EXPECT_EQ(random.State(), state);  // nothing drawn

  answer = true;
  const ParticleList huge{testing::MakeSet(2000000000, 0, 4)};
  try {
    Launch::Build(huge, {}, random, 1, confirm);
    ADD_FAILURE() << "a launch that cannot fit was built";
  } catch (const ParticleMemoryError& refusal) {
    EXPECT_EQ(refusal.particles(), EstimateParticles(huge).particles);
  }
  EXPECT_EQ(asked.size(), 1u);  // refused without asking
  EXPECT_EQ(random.State(), state);
}

TEST(LaunchTest, AStoppedFrameLeavesThePictureAsItWas) {
  RandomGenerator random;
  const std::unique_ptr<Launch> launch = Built({testing::MakeSet(500)}, {}, random);
  Canvas canvas;
  std::memset(canvas.picture.Bits(), 0x11, canvas.Bytes().size());
  testing::StepCounter counter;
  counter.stopAt = 50;
  EXPECT_FALSE(launch->DrawFrame(1, canvas.space, canvas.picture, {}, counter.Step()));
  EXPECT_EQ(counter.steps, 50);
  EXPECT_EQ(canvas.Bytes(), std::vector<uint8_t>(canvas.Bytes().size(), 0x11));
}

// The generator carries on from launch to launch; threads draw the same bytes.
TEST(LaunchTest, LaunchesContinueTheSequenceAndThreadsDrawTheSame) {
  ParticleList list{testing::MakeSet(3000, 1, 2), testing::MakeSet(3)};
  list[0].originX = list[0].originY = 32;
  LaunchSettings settings;
  settings.frameCount = 2;
  settings.startTime = 12;
  RandomGenerator carried, fresh, threaded;
  const auto first = Built(list, settings, carried);
  const auto second = Built(list, settings, carried);
  const auto again = Built(list, settings, fresh);
  const auto parallel = Built(list, settings, threaded, 2);
  for (int64_t frame : {1, 2}) {
    Canvas a, b, c, d;
    first->DrawFrame(frame, a.space, a.picture, {});
    second->DrawFrame(frame, b.space, b.picture, {});
    again->DrawFrame(frame, c.space, c.picture, {});
    parallel->DrawFrame(frame, d.space, d.picture, {});
    EXPECT_NE(a.Bytes(), b.Bytes());
    EXPECT_EQ(a.Bytes(), c.Bytes());
    EXPECT_EQ(a.Bytes(), d.Bytes());
  }
}

}  // namespace
}  // namespace kirabel
