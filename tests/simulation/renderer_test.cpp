#include "simulation/renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "image/picture.h"
#include "simulation/canvas.h"
#include "simulation/literal_reference.h"
#include "simulation/parallel_renderer.h"
#include "simulation/random.h"
#include "simulation/scene.h"
#include "simulation/space_buffer.h"

namespace kirabel {
namespace {

using testing::Canvas;
using testing::StepCounter;

// Whether the space holds the reference's values, plane by plane.
bool SameValues(const SpaceBuffer& space, const literal::Space& reference) {
  for (int plane = 0; plane < 3; ++plane) {
    for (int32_t y = 0; y < reference.H; ++y) {
      for (int32_t x = 0; x < reference.W; ++x) {
        const std::size_t at =
            plane * static_cast<std::size_t>(reference.W) * reference.H + y * reference.W + x;
        if (space.GetValue(plane, x, y) != reference.data[at]) return false;
      }
    }
  }
  return true;
}

bool SameValues(const SpaceBuffer& a, const SpaceBuffer& b) {
  return a.PlaneSize() == b.PlaneSize() &&
         std::equal(a.Data(), a.Data() + 4 * static_cast<std::size_t>(a.PlaneSize()), b.Data());
}

// n resting particles at (x, y), one full-colour sample each.
LaunchList RestingParticles(int n, long double x, long double y) {
  ParticleList list{testing::StillSet(n, x, y)};
  list[0].trailSamples = 0;
  list[0].trailLength = 0;
  RandomGenerator random;
  LaunchList launched;
  PopulateLaunchList(list, 0, random, launched);
  return launched;
}

// Steps come after every particle up to a hundred particles, then after every
// hundredth (149 particles: 149 steps; 1000: 100; 250: every second).
TEST(RendererTest, ProgressStepsAboutAHundredTimesPerFrame) {
  for (const auto& [particles, steps] : {std::pair{149, 149}, {1000, 100}, {250, 125}}) {
    Canvas canvas;
    StepCounter counter;
    EXPECT_TRUE(
        RenderFrame(RestingParticles(particles, 1, 1), 1, 0, {}, counter.Step(), canvas.space));
    EXPECT_EQ(counter.steps, steps) << particles;
  }
}

TEST(RendererTest, AStepCanStopTheFrame) {
  Canvas canvas(8, 4);
  StepCounter counter;
  counter.stopAt = 30;
  EXPECT_FALSE(RenderFrame(RestingParticles(1000, 2, 2), 1, 0, {}, counter.Step(), canvas.space));
  EXPECT_EQ(counter.steps, 30);
  EXPECT_EQ(canvas.space.GetValue(0, 2, 2), 65535);  // 300 samples were drawn
}

TEST(RendererTest, OptionsAreReadWhileTheFrameIsDrawn) {
  Canvas canvas(8, 4);
  RenderOptions options;
  StepCounter counter;
  counter.onStep = [&options] { options.antiAlias = true; };
  ParticleList list{testing::StillSet(2, 2.5L, 1)};
  list[0].trailSamples = 0;
  list[0].trailLength = 0;
  RandomGenerator random;
  LaunchList launched;
  PopulateLaunchList(list, 0, random, launched);
  EXPECT_TRUE(RenderFrame(launched, 1, 0, options, counter.Step(), canvas.space));
  EXPECT_EQ(canvas.space.GetValue(0, 2, 1), 32640 + 16320);  // plain, then anti-aliased
  EXPECT_EQ(canvas.space.GetValue(0, 3, 1), 16320);
}

TEST(RendererTest, BufferBecomesThePicture) {
  SpaceBuffer space(3, 2);
  space.Clear();
  space.SetValue(0, 0, 0, 0x1234);  // red at the top-left
  space.SetValue(1, 2, 1, 0xFFFF);  // green at the bottom-right
  space.SetValue(2, 1, 1, 0x0080);  // too little blue to show
  Picture picture;
  picture.SetHeight(2);
  picture.SetWidth(3);
  std::memset(picture.Bits(), 0xAB, picture.RowBytes() * 2);
  CopySpaceToPicture(space, picture);
  const uint8_t* top = picture.Bits();
  const uint8_t* bottom = picture.Bits() + picture.RowBytes();
  EXPECT_EQ(top[2], 0x12);
  EXPECT_EQ(bottom[6 + 1], 0xFF);
  EXPECT_EQ(bottom[3], 0);
  EXPECT_EQ(bottom[9], 0xAB);  // row padding is not written
  EXPECT_EQ(top[9], 0xAB);
}

// The literal reading and both real renderers agree on random scenes.
TEST(RendererTest, MatchesTheLiteralRulesOnRandomScenes) {
  int litScenes = 0;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    const ParticleList list = testing::RandomScene(seed);
    const long double g = seed % 3 == 0 ? 0 : 0.25L * (seed % 5);
    const long double t = 2 + static_cast<long double>(seed % 17) * 1.37L;
    const bool aa = seed % 2 == 0;
    const bool wrap = seed % 4 >= 2;
    RandomGenerator literalRandom(seed), random(seed);
    const auto expected = literal::Population(list, g, literalRandom).Build();
    literal::Space reference(200, 160);
    literal::RenderFrame(expected, t, g, aa, wrap, reference);
    litScenes += std::any_of(reference.data.begin(), reference.data.end(),
                             [](uint16_t v) { return v != 0; });

    LaunchList launched;
    PopulateLaunchList(list, g, random, launched);
    Canvas canvas(200, 160);
    ASSERT_TRUE(RenderFrame(launched, t, g, {aa, wrap}, {}, canvas.space));
    ASSERT_TRUE(SameValues(canvas.space, reference)) << "scene " << seed;
    CopySpaceToPicture(canvas.space, canvas.picture);

    for (int jobs : {1, 2, 3}) {
      SpaceBuffer space(200, 160);
      space.Clear();
      Picture picture;
      picture.SetHeight(160);
      picture.SetWidth(200);
      ParallelRenderer(jobs).Render(launched, t, g, {aa, wrap}, space, &picture);
      ASSERT_TRUE(SameValues(space, reference)) << "scene " << seed << " jobs " << jobs;
      ASSERT_EQ(0, std::memcmp(picture.Bits(), canvas.picture.Bits(), picture.RowBytes() * 160));
    }
  }
  EXPECT_GT(litScenes, 40);  // the scenes do draw something
}

TEST(RendererTest, ParallelFrameOfManyParticlesEqualsTheSingleThreadedOne) {
  ParticleList list{testing::MakeSet(3000, 1, 2), testing::MakeSet(4)};
  list[0].originX = list[0].originY = 64;
  list[1].green = 90;
  RandomGenerator random(3);
  LaunchList launched;
  PopulateLaunchList(list, 0.5L, random, launched);
  Canvas canvas(128, 128);
  ASSERT_TRUE(RenderFrame(launched, 24, 0.5L, {}, {}, canvas.space));
  for (int jobs : {2, 4}) {
    SpaceBuffer space(128, 128);
    space.Clear();
    Picture picture;
    picture.SetHeight(128);
    picture.SetWidth(128);
    ParallelRenderer(jobs).Render(launched, 24, 0.5L, {}, space, &picture);
    EXPECT_TRUE(SameValues(space, canvas.space)) << jobs;
  }
}

TEST(RendererTest, EffectFramesAreTheSameForAnyNumberOfJobs) {
  ParticleList list{testing::MakeSet(3000, 1, 2), testing::MakeSet(4)};
  list[0].originX = list[0].originY = 64;
  StarEffects effects;
  effects.drag = 0.1L;
  effects.fadeOut = 3;
  effects.strobePeriod = 0.7L;
  effects.strobeLit = 0.6L;
  effects.sparkRate = 2;
  effects.sparkLifetime = 3;
  effects.sparkSpeed = 1;
  for (ParticleSet& set : list) set.SetEffects(effects);
  LaunchSettings settings;
  settings.wind = 2;
  RandomGenerator random(3);
  LaunchList launched;
  PopulateLaunchList(list, settings, random, launched);
  const Forces air(settings.gravity, settings.wind);
  Canvas canvas(128, 128);
  ASSERT_TRUE(RenderFrame(launched, 24, air, {true, false}, {}, canvas.space));
  for (int jobs : {2, 3}) {
    SpaceBuffer space(128, 128);
    space.Clear();
    Picture picture;
    picture.SetHeight(128);
    picture.SetWidth(128);
    ParallelRenderer(jobs).Render(launched, 24, air, {true, false}, space, &picture);
    EXPECT_TRUE(SameValues(space, canvas.space)) << jobs;
  }
}

}  // namespace
}  // namespace kirabel
