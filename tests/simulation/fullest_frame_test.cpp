// The fullest frame: of the frames asked for, the one whose picture's bytes
// add up to the most (the first of equal ones), with that frame's own picture
// and space, for any number of jobs.
#include "simulation/fullest_frame.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "simulation/canvas.h"
#include "simulation/launch.h"
#include "simulation/launch_scene.h"
#include "simulation/scene.h"

namespace kirabel {
namespace {

using testing::Canvas;

Scene SmallScene(ParticleSet set, int jobs) {
  Scene scene;
  scene.sets = {set};
  scene.settings.gravity = 0;
  scene.settings.startTime = 0;
  scene.settings.frameInterval = 3;
  scene.settings.frameCount = 12;
  scene.random = RandomGenerator(11);
  scene.width = 64;
  scene.height = 48;
  scene.jobs = jobs;
  return scene;
}

// Every frame of the range drawn on its own: the first with the largest sum.
int64_t FullestByHand(const Scene& scene, int64_t first, int64_t last) {
  RandomGenerator random = scene.random;
  const auto launch = Launch::Build(scene.sets, scene.settings, random, INT64_MAX, {}).launch;
  int64_t fullest = 0;
  long long most = -1;
  for (int64_t frame = first; frame <= last; ++frame) {
    Canvas canvas(scene.width, scene.height);
    launch->DrawFrame(frame, canvas.space, canvas.picture, scene.options);
    long long sum = 0;
    for (uint8_t byte : canvas.Bytes()) sum += byte;  // 64 pixels a row: no padding
    if (sum > most) {
      most = sum;
      fullest = frame;
    }
  }
  return fullest;
}

ParticleSet Burst() {
  ParticleSet set = testing::MakeSet(300);
  set.originX = 32;
  set.originY = 24;
  set.speed = 1;
  set.speedSpread = 0.5L;
  return set;
}

ParticleSet Hidden() {
  ParticleSet set = Burst();
  set.visible = false;
  return set;
}

ParticleSet StillStar() {
  ParticleSet set = testing::StillSet(5, 20, 20);
  set.birthTime = -1;
  set.lifetime = 1000;
  return set;
}

TEST(FullestFrameTest, IsTheFirstFrameWithTheLargestByteSum) {
  struct Case {
    const char* what;
    ParticleSet set;
    int64_t first, last;
    int64_t expected;  // 0: whatever the frames say, but neither end of the range
  };
  const Case cases[] = {
      {"a burst swells and fades", Burst(), 1, 12, 0},
      {"after the launch's fullest", Burst(), 8, 12, 8},
      {"nothing drawn: the first", Hidden(), 1, 12, 1},
      {"equal frames: the first", StillStar(), 3, 8, 3},
      {"one frame", Burst(), 7, 7, 7},
  };
  for (const Case& c : cases) {
    for (int jobs : {1, 3}) {
      SCOPED_TRACE(std::string(c.what) + ", jobs " + std::to_string(jobs));
      const Scene scene = SmallScene(c.set, jobs);
      const std::optional<FullestFrame> fullest = DrawFullestFrame(scene, c.first, c.last);
      ASSERT_TRUE(fullest);
      const int64_t expected = FullestByHand(scene, c.first, c.last);
      EXPECT_EQ(fullest->frame, expected);
      if (c.expected != 0) {
        EXPECT_EQ(fullest->frame, c.expected);
      } else {
        EXPECT_GT(fullest->frame, c.first);
        EXPECT_LT(fullest->frame, c.last);
      }
      // The picture and space are that frame's own.
      RandomGenerator random = scene.random;
      auto launch = Launch::Build(scene.sets, scene.settings, random, INT64_MAX, {}).launch;
      Canvas canvas(scene.width, scene.height);
      launch->DrawFrame(expected, canvas.space, canvas.picture, scene.options);
      EXPECT_EQ(std::vector<uint8_t>(fullest->picture.Bits(),
                                     fullest->picture.Bits() + canvas.Bytes().size()),
                canvas.Bytes());
      EXPECT_EQ(PictureByteSum(fullest->picture), fullest->byteSum);
      ASSERT_EQ(fullest->space.Width(), scene.width);
      EXPECT_EQ(std::memcmp(fullest->space.Data(), canvas.space.Data(),
                            sizeof(uint16_t) * SpaceBuffer::kValuesPerPixel * 64 * 48),
                0);
    }
  }
}

TEST(FullestFrameTest, NoFramesGiveFrameZeroAndAStoppedLoopNothing) {
  const Scene scene = SmallScene(Burst(), 1);
  EXPECT_EQ(DrawFullestFrame(scene, 5, 4)->frame, 0);
  FrameLoopHooks stopAtThird;
  stopAtThird.beforeFrame = [](int64_t, int64_t, int64_t frame) { return frame < 3; };
  EXPECT_FALSE(DrawFullestFrame(scene, 1, 12, stopAtThird));
}

TEST(FullestFrameTest, ByteSumLeavesTheRowPaddingOut) {
  Picture picture;
  picture.SetHeight(2);
  picture.SetWidth(5);  // 15 bytes a row, stored in 16
  std::memset(picture.Bits(), 255, static_cast<std::size_t>(picture.RowBytes()) * 2);
  EXPECT_EQ(PictureByteSum(picture), 2u * 15u * 255u);
}

}  // namespace
}  // namespace kirabel
