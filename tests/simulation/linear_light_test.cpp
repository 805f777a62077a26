// Film light: frames drawn into a space in linear mode hold the classic
// amounts unsaturated, equal to the classic frame wherever it did not clip,
// past 65535 in their own colour where it did, for any number of jobs.
#include <gtest/gtest.h>

#include <algorithm>

#include "simulation/canvas.h"
#include "simulation/fullest_frame.h"
#include "simulation/launch_scene.h"
#include "simulation/parallel_renderer.h"
#include "simulation/random.h"
#include "simulation/renderer.h"
#include "simulation/scene.h"
#include "simulation/space_buffer.h"

namespace kirabel {
namespace {

LaunchList Launched(const ParticleList& list, const LaunchSettings& settings) {
  RandomGenerator random(5);
  LaunchList launched;
  PopulateLaunchList(list, settings, random, launched);
  return launched;
}

SpaceBuffer DrawnSpace(const LaunchList& launched, const LaunchSettings& settings, long double t,
                       RenderOptions options, bool linear) {
  SpaceBuffer space(128, 96, linear);
  options.linearLight = linear;
  RenderFrame(launched, t, Forces(settings.gravity, settings.wind), options, {}, space);
  return space;
}

uint32_t LargestValue(const SpaceBuffer& space) {
  const uint32_t* values = space.LinearData();
  return *std::max_element(values, values + 4 * static_cast<std::size_t>(space.PlaneSize()));
}

bool SameValues(const SpaceBuffer& a, const SpaceBuffer& b) {
  for (int plane = 0; plane < 3; ++plane)
    for (int32_t y = 0; y < a.Height(); ++y)
      for (int32_t x = 0; x < a.Width(); ++x)
        if (a.Value(plane, x, y) != b.Value(plane, x, y)) return false;
  return true;
}

ParticleSet DimSet(int32_t n, int32_t child = -1) {
  ParticleSet set = testing::MakeSet(n, child);
  set.originX = 64;
  set.originY = 48;
  set.speed = 3;
  set.speedSpread = 2;
  set.trailSamples = 20;
  set.red = 10;
  set.green = 6;
  set.blue = 3;
  return set;
}

ParticleList WithSparksAndFades(ParticleList list) {
  StarEffects effects;
  effects.drag = 0.1L;
  effects.fadeOut = 3;
  effects.strobePeriod = 0.7L;
  effects.strobeLit = 0.6L;
  effects.sparkRate = 2;
  effects.sparkLifetime = 3;
  effects.sparkSpeed = 1;
  effects.sparkRed = 30;
  for (ParticleSet& set : list) set.SetEffects(effects);
  return list;
}

TEST(LinearLightTest, FramesBelowFullLightEqualTheClassicOnes) {
  LaunchSettings settings;
  settings.gravity = 0.3L;
  settings.wind = 1;
  const ParticleList plain{DimSet(60, 1), DimSet(8)};
  const RenderOptions cases[] = {{}, {true, false}, {false, true}, {true, true}};
  for (const RenderOptions& options : cases) {
    // Anti-aliased and wrapped: stars with effects and sparks.
    const bool effects = options.antiAlias && options.wrap;
    const LaunchList launched = Launched(effects ? WithSparksAndFades(plain) : plain, settings);
    const SpaceBuffer linear = DrawnSpace(launched, settings, 14, options, true);
    const SpaceBuffer classic = DrawnSpace(launched, settings, 14, options, false);
    ASSERT_LE(LargestValue(linear), 65535u) << options.antiAlias << options.wrap;
    EXPECT_GT(LargestValue(linear), 0u);
    EXPECT_TRUE(SameValues(linear, classic)) << options.antiAlias << options.wrap;
  }
}

TEST(LinearLightTest, DenseLightAddsUpPastTheClassicLimitInItsColour) {
  ParticleSet burst = testing::StillSet(20, 10.5L, 7.5L);
  burst.trailSamples = 0;
  burst.trailLength = 0;
  burst.red = 200;
  burst.green = 100;
  burst.blue = 50;
  const LaunchList launched = Launched({burst}, {});
  const SpaceBuffer linear = DrawnSpace(launched, {}, 1, {}, true);
  const SpaceBuffer classic = DrawnSpace(launched, {}, 1, {}, false);
  const uint32_t* pixel = linear.LinearPixel(10, 7);
  EXPECT_EQ(pixel[0], 20u * 200 * 128);
  EXPECT_EQ(pixel[1], 20u * 100 * 128);
  EXPECT_EQ(pixel[2], 20u * 50 * 128);
  EXPECT_EQ(classic.Pixel(10, 7)[2], 65535);
  // The picture of a linear space is held where the classic one clips.
  testing::Canvas fromLinear(128, 96), fromClassic(128, 96);
  CopySpaceToPicture(linear, fromLinear.picture);
  CopySpaceToPicture(classic, fromClassic.picture);
  EXPECT_EQ(fromLinear.Bytes(), fromClassic.Bytes());
}

TEST(LinearLightTest, FramesAreTheSameForAnyNumberOfJobs) {
  ParticleList list = WithSparksAndFades({DimSet(3000, 1), DimSet(3)});
  list.push_back(DimSet(2000));
  LaunchSettings settings;
  settings.gravity = 0.3L;
  const LaunchList launched = Launched(list, settings);
  const Forces air(settings.gravity, settings.wind);
  for (const float radius : {0.0f, 2.5f}) {
    const RenderOptions options{true, false, true, radius};
    SpaceBuffer single(128, 96, true);
    ASSERT_TRUE(RenderFrame(launched, 14, air, options, {}, single));
    EXPECT_GT(LargestValue(single), 65535u);
    for (int jobs : {2, 3}) {
      SpaceBuffer space(128, 96, true);
      ParallelRenderer(jobs).Render(launched, 14, air, options, space, nullptr);
      EXPECT_TRUE(SameValues(space, single)) << jobs << " jobs, radius " << radius;
    }
  }
}

TEST(LinearLightTest, TheFullestFrameOfLinearLightIsTheClassicOne) {
  Scene scene;
  scene.sets = {DimSet(30)};
  scene.settings.startTime = 0;
  scene.settings.frameInterval = 2;
  scene.settings.frameCount = 10;
  scene.width = 128;
  scene.height = 96;
  const auto classic = DrawFullestFrame(scene, 1, 10);
  scene.options.linearLight = true;
  const auto linear = DrawFullestFrame(scene, 1, 10);
  ASSERT_TRUE(classic && linear);
  EXPECT_EQ(linear->frame, classic->frame);
  EXPECT_TRUE(linear->space.Linear());
  EXPECT_TRUE(SameValues(linear->space, classic->space));
}

}  // namespace
}  // namespace kirabel
