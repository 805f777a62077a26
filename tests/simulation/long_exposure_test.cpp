// A long exposure: adding sums the frames' light and develops it once,
// lightening keeps each value's largest of the developed frames; checked on
// hand-made spaces and on the frames of a small launch, classic and film.
// (A film launch draws into linear light; its frames stack as the
// hand-made linear spaces do.)
#include "simulation/long_exposure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "model/look.h"
#include "simulation/frame_developer.h"
#include "simulation/launch_scene.h"
#include "simulation/scene.h"

namespace kirabel {
namespace {

struct Frame {
  SpaceBuffer space{0, 0};
  Picture picture;
};

// Keeps copies of the frames it takes.
class KeepingSink : public FrameSink {
 public:
  void Take(int64_t, const SpaceBuffer& space, const Picture& picture) override {
    frames.push_back({space, picture});
  }
  std::vector<Frame> frames;
};

std::shared_ptr<const FrameDeveloper> Developer(bool film) {
  Look look;
  if (film) {
    look.light = Look::Light::kFilm;
    look.skyBottom = {10, 20, 40};
  }
  return std::make_shared<FrameDeveloper>(look);
}

std::vector<uint8_t> PixelBytes(const Picture& picture) {
  std::vector<uint8_t> bytes;
  for (int32_t y = 0; y < picture.Height(); ++y) {
    bytes.insert(bytes.end(), picture.Row(y), picture.Row(y) + 3 * picture.Width());
  }
  return bytes;
}

std::vector<uint16_t> Values(const SpaceBuffer& space) {
  std::vector<uint16_t> rgb;
  for (int32_t y = 0; y < space.Height(); ++y)
    for (int32_t x = 0; x < space.Width(); ++x)
      for (int c = 0; c < 3; ++c) rgb.push_back(space.GetValue(c, x, y));
  return rgb;
}

// Two frames of 3 x 2 pixels, one value overflowing 16 (classic) or 32 bits
// (film) when added.
std::vector<Frame> HandMadeFrames(const FrameDeveloper& developer, bool film) {
  std::vector<Frame> frames;
  const uint32_t big = film ? 3000000000u : 40000u;
  for (uint32_t k : {1u, 2u}) {
    Frame f{SpaceBuffer(3, 2, film), Picture()};
    for (int32_t y = 0; y < 2; ++y)
      for (int32_t x = 0; x < 3; ++x)
        for (int c = 0; c < 3; ++c) {
          const uint32_t v = x == 0 && y == 0 && c == 0 ? big : k * 100u * (x + 3 * y + c);
          if (film) {
            f.space.LinearPixel(x, y)[c] = v;
          } else {
            f.space.SetValue(c, x, y, static_cast<uint16_t>(v));
          }
        }
    f.picture.SetHeight(2);
    f.picture.SetWidth(3);
    developer.DevelopPicture(f.space, f.picture);
    frames.push_back(std::move(f));
  }
  return frames;
}

std::vector<Frame> LaunchFrames(const Scene& scene) {
  KeepingSink keep;
  DrawSceneFrames(scene, 2, 6, {&keep});
  return keep.frames;
}

Scene TinyScene(const std::shared_ptr<const FrameDeveloper>& developer) {
  Scene scene;
  ParticleSet set = testing::MakeSet(80);
  set.originX = 16;
  set.originY = 12;
  set.speed = 1;
  scene.sets = {set};
  scene.settings.gravity = 0;
  scene.settings.startTime = 0;
  scene.settings.frameInterval = 3;
  scene.settings.frameCount = 8;
  scene.random = RandomGenerator(5);
  scene.width = 32;
  scene.height = 24;
  scene.options.linearLight = !developer->Classic();
  scene.developer = developer;
  return scene;
}

// The still the frames should give, computed the plain way.
void ExpectedStill(StackMode mode, const FrameDeveloper& developer,
                   const std::vector<Frame>& frames, std::vector<uint8_t>& bytes,
                   std::vector<uint16_t>& values) {
  const SpaceBuffer& first = frames.front().space;
  if (mode == StackMode::kAdd) {
    SpaceBuffer sum(first.Width(), first.Height(), true);
    for (const Frame& f : frames)
      for (int32_t y = 0; y < first.Height(); ++y)
        for (int32_t x = 0; x < first.Width(); ++x)
          for (int c = 0; c < 3; ++c) {
            const uint64_t total = uint64_t{sum.LinearPixel(x, y)[c]} + f.space.Value(c, x, y);
            sum.LinearPixel(x, y)[c] = static_cast<uint32_t>(
                std::min<uint64_t>(total, std::numeric_limits<uint32_t>::max()));
          }
    Picture picture = frames.front().picture;
    developer.DevelopPicture(sum, picture);
    bytes = PixelBytes(picture);
    developer.Develop16(sum, values);
    return;
  }
  for (const Frame& f : frames) {
    std::vector<uint16_t> frame16;
    developer.Develop16(f.space, frame16);
    const std::vector<uint8_t> frameBytes = PixelBytes(f.picture);
    if (bytes.empty()) bytes = frameBytes, values = frame16;
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::max(bytes[i], frameBytes[i]);
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = std::max(values[i], frame16[i]);
  }
}

TEST(LongExposureTest, StacksTheFramesItTakes) {
  struct Case {
    const char* what;
    StackMode mode;
    bool film;
    bool launch;
    int firstValue;  // red of pixel (0, 0) of a classic hand-made still; -1: unchecked
  };
  const Case cases[] = {
      {"add, classic, by hand", StackMode::kAdd, false, false, 65535},
      {"lighten, classic, by hand", StackMode::kLighten, false, false, 40000},
      {"add, film, by hand", StackMode::kAdd, true, false, -1},
      {"lighten, film, by hand", StackMode::kLighten, true, false, -1},
      {"add, classic, launch", StackMode::kAdd, false, true, -1},
      {"lighten, classic, launch", StackMode::kLighten, false, true, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto developer = Developer(c.film);
    const Scene scene = TinyScene(developer);
    const std::vector<Frame> frames =
        c.launch ? LaunchFrames(scene) : HandMadeFrames(*developer, c.film);
    ASSERT_FALSE(frames.empty());
    const SpaceBuffer& first = frames.front().space;
    LongExposureSink sink(c.mode, first.Width(), first.Height(), developer);
    for (std::size_t i = 0; i < frames.size(); ++i)
      sink.Take(i + 1, frames[i].space, frames[i].picture);
    const LongExposure still = sink.Result();
    std::vector<uint8_t> bytes;
    std::vector<uint16_t> values;
    ExpectedStill(c.mode, *developer, frames, bytes, values);
    EXPECT_EQ(still.frames, static_cast<int64_t>(frames.size()));
    EXPECT_EQ(PixelBytes(still.picture), bytes);
    EXPECT_EQ(Values(still.values), values);
    if (c.firstValue >= 0) {
      EXPECT_EQ(still.values.GetValue(0, 0, 0), c.firstValue);
    }
    if (c.launch) {
      // The whole launch gives the same still.
      const auto drawn = DrawLongExposure(scene, 2, 6, c.mode);
      ASSERT_TRUE(drawn);
      EXPECT_EQ(PixelBytes(drawn->picture), bytes);
      EXPECT_EQ(Values(drawn->values), values);
    }
  }
}

TEST(LongExposureTest, AStoppedLoopGivesNothingAndNoFramesAnEmptyStill) {
  const Scene scene = TinyScene(Developer(false));
  FrameLoopHooks stopAtThird;
  stopAtThird.beforeFrame = [](int64_t, int64_t, int64_t frame) { return frame < 3; };
  EXPECT_FALSE(DrawLongExposure(scene, 1, 8, StackMode::kAdd, stopAtThird));
  const auto none = DrawLongExposure(scene, 5, 4, StackMode::kLighten);
  ASSERT_TRUE(none);
  EXPECT_EQ(none->frames, 0);
  EXPECT_EQ(none->values.Width(), 32);
}

}  // namespace
}  // namespace kirabel
