// The frame loop: each sink gets the frames it wants, in order, with the
// bytes of the launch's own frames; a frame nobody wants is not drawn; the
// hooks stop before a frame or inside it and choose each frame's options.
#include "simulation/frame_loop.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "simulation/canvas.h"
#include "simulation/launch.h"
#include "simulation/random.h"
#include "simulation/scene.h"

namespace kirabel {
namespace {

using testing::Canvas;

struct RecordingSink : FrameSink {
  explicit RecordingSink(std::set<int64_t> skipped = {}) : skipped(std::move(skipped)) {}
  bool Wants(int64_t frame) override { return skipped.count(frame) == 0; }
  void Take(int64_t frame, const SpaceBuffer&, const Picture& picture) override {
    frames.push_back(frame);
    pictures.emplace_back(picture.Bits(), picture.Bits() + picture.RowBytes() * picture.Height());
  }
  std::set<int64_t> skipped;
  std::vector<int64_t> frames;
  std::vector<std::vector<uint8_t>> pictures;
};

std::unique_ptr<Launch> FourFrames() {
  LaunchSettings settings;
  settings.startTime = 2;
  settings.frameInterval = 1.5L;
  settings.frameCount = 4;
  ParticleSet set = testing::MakeSet(300);
  set.originX = 32;  // in the middle of the canvas
  set.originY = 24;
  RandomGenerator random(7);
  return Launch::Build({set}, settings, random, INT64_MAX, {}).launch;
}

std::vector<uint8_t> FrameBytes(Launch& launch, int64_t frame, RenderOptions options = {}) {
  Canvas canvas;
  launch.DrawFrame(frame, canvas.space, canvas.picture, options);
  return canvas.Bytes();
}

TEST(FrameLoopTest, EachSinkGetsTheFramesItWants) {
  const std::unique_ptr<Launch> launch = FourFrames();
  RecordingSink all;
  RecordingSink someSkipped({2, 3});
  RecordingSink noneWanted({2, 3, 4});
  std::vector<int64_t> told;
  FrameLoopHooks hooks;
  hooks.beforeFrame = [&](int64_t done, int64_t total, int64_t frame) {
    EXPECT_EQ(total, 3);
    EXPECT_EQ(done, frame - 2);
    told.push_back(frame);
    return true;
  };
  Canvas canvas;
  EXPECT_EQ(
      DrawFrames(*launch, 2, 4, canvas.space, canvas.picture, {}, {&someSkipped, &all}, hooks),
      FrameLoopEnd::kDone);
  EXPECT_EQ(told, (std::vector<int64_t>{2, 3, 4}));
  EXPECT_EQ(all.frames, (std::vector<int64_t>{2, 3, 4}));
  EXPECT_EQ(someSkipped.frames, std::vector<int64_t>{4});
  for (std::size_t i = 0; i < all.frames.size(); ++i) {
    EXPECT_EQ(all.pictures[i], FrameBytes(*launch, all.frames[i]));
  }
  EXPECT_NE(all.pictures[0], Canvas().Bytes());

  // Nothing wanted: nothing drawn, the picture stays as it was.
  Canvas untouched;
  EXPECT_EQ(DrawFrames(*launch, 2, 4, untouched.space, untouched.picture, {}, {&noneWanted}),
            FrameLoopEnd::kDone);
  EXPECT_EQ(untouched.Bytes(), Canvas().Bytes());
}

TEST(FrameLoopTest, HooksStopTheLoopAndChooseEachFramesOptions) {
  const std::unique_ptr<Launch> launch = FourFrames();
  Canvas canvas;
  RecordingSink sink;
  FrameLoopHooks beforeThird;
  beforeThird.beforeFrame = [](int64_t, int64_t, int64_t frame) { return frame < 3; };
  EXPECT_EQ(DrawFrames(*launch, 1, 4, canvas.space, canvas.picture, {}, {&sink}, beforeThird),
            FrameLoopEnd::kStopped);
  EXPECT_EQ(sink.frames, (std::vector<int64_t>{1, 2}));

  RecordingSink stopped;
  testing::StepCounter counter;
  counter.stopAt = 150;  // in the second frame
  FrameLoopHooks inside;
  inside.step = counter.Step();
  EXPECT_EQ(DrawFrames(*launch, 1, 4, canvas.space, canvas.picture, {}, {&stopped}, inside),
            FrameLoopEnd::kStopped);
  EXPECT_EQ(stopped.frames, std::vector<int64_t>{1});

  RecordingSink alternating;
  FrameLoopHooks options;
  bool antiAlias = false;
  options.options = [&] {
    antiAlias = !antiAlias;
    return RenderOptions{antiAlias, false};
  };
  DrawFrames(*launch, 1, 2, canvas.space, canvas.picture, {}, {&alternating}, options);
  EXPECT_EQ(alternating.pictures[0], FrameBytes(*launch, 1, {true, false}));
  EXPECT_EQ(alternating.pictures[1], FrameBytes(*launch, 2, {false, false}));
  EXPECT_NE(alternating.pictures[1], FrameBytes(*launch, 2, {true, false}));
}

}  // namespace
}  // namespace kirabel
