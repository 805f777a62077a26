// A long exposure: adding sums the frames' light and develops it once,
// lightening keeps each value's largest of the developed frames. Classic
// stills are checked against the frames' 16-bit values; a film still against
// its developer (a film launch draws into linear light, as the hand-made
// linear frames here are).
#include "simulation/long_exposure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "model/look.h"
#include "simulation/frame_developer.h"
#include "simulation/launch_scene.h"
#include "simulation/scene.h"

namespace kirabel {
namespace {

// Keeps copies of the frames it takes.
struct KeepingSink : FrameSink {
  void Take(int64_t, const SpaceBuffer& space, const Picture& picture) override {
    spaces.push_back(space);
    pictures.push_back(picture);
  }
  std::vector<SpaceBuffer> spaces;
  std::vector<Picture> pictures;
};

// Red, green, blue of every pixel: of a space, or of a picture's bytes.
std::vector<uint32_t> Values(const SpaceBuffer& space) {
  std::vector<uint32_t> rgb;
  for (int32_t y = 0; y < space.Height(); ++y)
    for (int32_t x = 0; x < space.Width(); ++x)
      for (int c = 0; c < 3; ++c) rgb.push_back(space.Value(c, x, y));
  return rgb;
}
std::vector<uint32_t> Values(const Picture& picture) {
  std::vector<uint32_t> rgb;
  for (int32_t y = 0; y < picture.Height(); ++y)
    for (int32_t x = 0; x < picture.Width(); ++x)
      for (int c = 0; c < 3; ++c) rgb.push_back(picture.Row(y)[3 * x + 2 - c]);
  return rgb;
}

// A frame of one pixel, in linear light for the film look.
KeepingSink OnePixelFrames(const FrameDeveloper& developer,
                           std::vector<std::vector<uint32_t>> rgbs) {
  KeepingSink frames;
  for (const auto& rgb : rgbs) {
    SpaceBuffer space(1, 1, !developer.Classic());
    for (int c = 0; c < 3; ++c) {
      if (space.Linear()) {
        space.LinearPixel(0, 0)[c] = rgb[c];
      } else {
        space.SetValue(c, 0, 0, static_cast<uint16_t>(rgb[c]));
      }
    }
    Picture picture;
    picture.SetHeight(1);
    picture.SetWidth(1);
    developer.DevelopPicture(space, picture);
    frames.Take(0, space, picture);
  }
  return frames;
}

// What a still should hold: its 16-bit values and its picture's bytes.
struct Still {
  std::vector<uint32_t> values, bytes;
};

Still Got(const LongExposure& still) {
  return {std::vector<uint32_t>(still.rgb16.begin(), still.rgb16.end()), Values(still.picture)};
}

// Classic adding: each value the frames' sum held at 65535, its high byte.
Still ClassicSum(const KeepingSink& frames) {
  Still sum{std::vector<uint32_t>(Values(frames.spaces[0]).size()), {}};
  for (const SpaceBuffer& space : frames.spaces) {
    const std::vector<uint32_t> values = Values(space);
    for (std::size_t i = 0; i < values.size(); ++i)
      sum.values[i] = std::min<uint32_t>(65535, sum.values[i] + values[i]);
  }
  for (uint32_t v : sum.values) sum.bytes.push_back(v >> 8);
  return sum;
}

// Lightening: each value the largest of the developed frames'.
Still Brightest(const KeepingSink& frames, const FrameDeveloper& developer) {
  Still most;
  for (std::size_t f = 0; f < frames.spaces.size(); ++f) {
    std::vector<uint16_t> developed;
    developer.Develop16(frames.spaces[f], developed);
    const std::vector<uint32_t> bytes = Values(frames.pictures[f]);
    most.values.resize(developed.size());
    most.bytes.resize(bytes.size());
    for (std::size_t i = 0; i < developed.size(); ++i) {
      most.values[i] = std::max<uint32_t>(most.values[i], developed[i]);
      most.bytes[i] = std::max(most.bytes[i], bytes[i]);
    }
  }
  return most;
}

LongExposure Stack(StackMode mode, const KeepingSink& frames, const Scene& scene) {
  LongExposureSink sink(mode, frames.spaces[0].Width(), frames.spaces[0].Height(), scene.developer);
  for (std::size_t i = 0; i < frames.spaces.size(); ++i)
    sink.Take(static_cast<int64_t>(i), frames.spaces[i], frames.pictures[i]);
  return sink.Result();
}

Scene TinyScene(bool film) {
  Scene scene;
  ParticleSet set = testing::MakeSet(80);
  set.originX = 16;
  set.originY = 12;
  set.speed = 1;
  scene.sets = {set};
  scene.settings.gravity = 0;
  scene.settings.frameInterval = 3;
  scene.settings.frameCount = 8;
  scene.width = 32;
  scene.height = 24;
  Look look;
  if (film) {
    look.light = Look::Light::kFilm;
    look.skyBottom = {10, 20, 40};
  }
  scene.developer = std::make_shared<FrameDeveloper>(look);
  return scene;
}

TEST(LongExposureTest, AddsOrLightensTheFramesItTakes) {
  const Scene classic = TinyScene(false), film = TinyScene(true);
  const KeepingSink classicPixels =
      OnePixelFrames(*classic.developer, {{40000, 100, 0}, {40000, 200, 7}});
  const KeepingSink filmPixels =
      OnePixelFrames(*film.developer, {{4294967000u, 100, 0}, {1000, 200, 7}});
  // Film light adds up unclipped until 2^32 - 1, then develops once.
  const KeepingSink filmSum = OnePixelFrames(*film.developer, {{4294967295u, 300, 7}});
  KeepingSink launch;
  DrawSceneFrames(classic, 2, 6, {&launch});
  const StackMode add = StackMode::kAdd, lighten = StackMode::kLighten;
  struct Case {
    const char* what;
    StackMode mode;
    const Scene& scene;
    const KeepingSink* frames;  // null: the launch's frames 2 to 6, drawn by DrawLongExposure
    Still expected;
  };
  const Case cases[] = {
      {"classic add", add, classic, &classicPixels, {{65535, 300, 7}, {255, 1, 0}}},
      {"classic lighten", lighten, classic, &classicPixels, {{40000, 200, 7}, {156, 0, 0}}},
      {"classic launch add", add, classic, nullptr, ClassicSum(launch)},
      {"classic launch lighten", lighten, classic, nullptr, Brightest(launch, *classic.developer)},
      {"film add", add, film, &filmPixels, Brightest(filmSum, *film.developer)},
      {"film lighten", lighten, film, &filmPixels, Brightest(filmPixels, *film.developer)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const LongExposure still =
        c.frames ? Stack(c.mode, *c.frames, c.scene) : *DrawLongExposure(c.scene, 2, 6, c.mode);
    EXPECT_EQ(still.frames, c.frames ? 2 : 5);
    EXPECT_EQ(Got(still).values, c.expected.values);
    EXPECT_EQ(Got(still).bytes, c.expected.bytes);
  }
}

TEST(LongExposureTest, AStoppedLoopGivesNothingAndNoFramesAnEmptyStill) {
  const Scene scene = TinyScene(false);
  FrameLoopHooks stopAtThird;
  stopAtThird.beforeFrame = [](int64_t, int64_t, int64_t frame) { return frame < 3; };
  EXPECT_FALSE(DrawLongExposure(scene, 1, 8, StackMode::kAdd, stopAtThird));
  const auto none = DrawLongExposure(scene, 5, 4, StackMode::kLighten);
  ASSERT_TRUE(none);
  EXPECT_EQ(none->frames, 0);
  EXPECT_EQ(none->picture.Width(), 32);
  EXPECT_EQ(none->rgb16, std::vector<uint16_t>(3 * 32 * 24, 0));
}

}  // namespace
}  // namespace kirabel
