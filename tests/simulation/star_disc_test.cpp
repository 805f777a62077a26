// Stars with a size: a disc keeps its sample's light and centre, sizes below
// half a pixel draw today's points, and a trail's samples thin towards its tail.
#include "simulation/star_disc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "simulation/renderer.h"
#include "simulation/scene.h"
#include "simulation/space_buffer.h"
#include "simulation/star_frames.h"

namespace kirabel {
namespace {

struct Light {
  double total = 0;
  double x = 0;  // the centre of the light, in pixel numbers
  double y = 0;
  int pixels = 0;
};

Light LightOf(const SpaceBuffer& space, int plane) {
  Light light;
  for (int32_t y = 0; y < space.Height(); ++y) {
    for (int32_t x = 0; x < space.Width(); ++x) {
      const double v = space.Value(plane, x, y);
      light.total += v;
      light.x += v * x;
      light.y += v * y;
      light.pixels += v > 0;
    }
  }
  if (light.total > 0) {
    light.x /= light.total;
    light.y /= light.total;
  }
  return light;
}

TEST(StarDiscTest, ADiscKeepsItsSamplesLightAndCentre) {
  struct Case {
    float radius;
    double x, y;
    bool wrap;
  };
  const Case cases[] = {{0.5f, 20.5, 20.25, false}, {0.8f, 20.1, 19.9, false},
                        {1.5f, 20.3, 20.7, false},  {3.7f, 19.02, 21.6, false},
                        {10, 20.77, 20.13, false},  {4, 1.4, 0.2, true}};
  const uint32_t amounts[3] = {32640, 12345, 7};
  StarDiscs discs;
  for (const Case& c : cases) {
    SpaceBuffer space(48, 40, true);
    const int32_t px = static_cast<int32_t>(c.x * 256);
    const int32_t py = static_cast<int32_t>(c.y * 256);
    const uint64_t packed = PackColour(amounts[0], amounts[1], amounts[2]);
    if (c.wrap) {
      PlotDisc<true>(PixelTarget<uint32_t>(space), *discs.For(c.radius), px, py, packed);
    } else {
      PlotDisc<false>(PixelTarget<uint32_t>(space), *discs.For(c.radius), px, py, packed);
    }
    for (int plane = 0; plane < 3; ++plane) {
      const Light light = LightOf(space, plane);
      EXPECT_NEAR(light.total, amounts[plane], 2) << c.radius << " " << plane;
    }
    const Light red = LightOf(space, 0);
    EXPECT_GE(red.pixels, c.radius >= 1 ? 9 : 1) << c.radius;
    if (c.wrap) continue;  // the centre of wrapped light lies across the edges
    EXPECT_NEAR(red.x, px / 256.0, 0.05) << c.radius;
    EXPECT_NEAR(red.y, py / 256.0, 0.05) << c.radius;
  }
  EXPECT_EQ(discs.For(0.45f), nullptr);
  EXPECT_EQ(discs.For(std::nanf("")), nullptr);
  EXPECT_EQ(discs.For(1e30f), discs.For(kLargestStarRadius));
}

// A star moving right with a trail of 12 samples, with or without effects.
ParticleList MovingStar(bool effects) {
  ParticleSet set = testing::SingleStar(30, 40, 4, -1.5707963267948966L, 20);
  set.trailLength = 5;
  set.trailSamples = 12;
  if (effects) {
    StarEffects fading;
    fading.fadeOut = 4;
    set.SetEffects(fading);
  }
  return {set};
}

SpaceBuffer StarFrame(const ParticleList& list, RenderOptions options) {
  options.linearLight = true;
  return std::move(testing::FrameAt(list, {}, 8, 96, 80, options)->space);
}

TEST(StarDiscTest, SizesBelowHalfAPixelDrawPoints) {
  for (const bool effects : {false, true}) {
    for (const bool antiAlias : {false, true}) {
      const SpaceBuffer points = StarFrame(MovingStar(effects), {antiAlias});
      const SpaceBuffer small = StarFrame(MovingStar(effects), {antiAlias, false, true, 0.45f});
      const std::size_t values = 4 * static_cast<std::size_t>(points.PlaneSize());
      EXPECT_TRUE(std::equal(points.LinearData(), points.LinearData() + values, small.LinearData()))
          << effects << antiAlias;
    }
  }
}

TEST(StarDiscTest, ATrailThinsTowardsItsTailAndKeepsItsLight) {
  for (const bool effects : {false, true}) {
    const SpaceBuffer points = StarFrame(MovingStar(effects), {true});
    const SpaceBuffer discs = StarFrame(MovingStar(effects), {true, false, true, 3});
    const Light pointLight = LightOf(points, 0);
    const Light discLight = LightOf(discs, 0);
    EXPECT_NEAR(discLight.total, pointLight.total, 13 * 2) << effects;
    EXPECT_NEAR(discLight.x, pointLight.x, 0.05) << effects;
    EXPECT_NEAR(discLight.y, pointLight.y, 0.05) << effects;
    // The head (x = 62) spreads over rows its tail (x = 42) does not reach.
    const auto rowsLit = [&](int32_t x) {
      int rows = 0;
      for (int32_t y = 0; y < discs.Height(); ++y) rows += discs.Value(0, x, y) > 0;
      return rows;
    };
    EXPECT_GE(rowsLit(62), 7) << effects;
    EXPECT_LE(rowsLit(42), 2) << effects;
  }
}

}  // namespace
}  // namespace kirabel
