#include "simulation/trail.h"

#include <gtest/gtest.h>

#include "simulation/scene.h"
#include "simulation/space_buffer.h"

namespace kirabel {
namespace {

// A space of 16 x 12 pixels, cleared.
SpaceBuffer SmallSpace(int32_t w = 16, int32_t h = 12) {
  SpaceBuffer space(w, h);
  space.Clear();
  return space;
}

// A particle resting at (x, y), alive from 0 to 100.
ParticleState Resting(long double x, long double y) {
  ParticleState p;
  p.birth = 0;
  p.death = 100;
  p.x0 = x;
  p.y0 = y;
  return p;
}

ParticleSet Set(int32_t ns, long double tv, uint8_t c = 255) {
  ParticleSet s = testing::MakeSet(1);
  s.trailSamples = ns;
  s.trailLength = tv;
  s.red = s.green = s.blue = c;
  return s;
}

TEST(TrailTest, SaturatingSamplesWithoutAntiAliasing) {
  SpaceBuffer space = SmallSpace();
  const TrailSet one(Set(0, 0));
  const ParticleState p = Resting(5, 7);
  DrawTrail(one, p, 10, 0, {}, space);
  EXPECT_EQ(space.GetValue(0, 5, 7), 32640);  // one full sample of 255: picture value 127
  EXPECT_EQ(space.GetValue(0, 5, 7) >> 8, 127);
  DrawTrail(one, p, 10, 0, {}, space);
  EXPECT_EQ(space.GetValue(1, 5, 7), 65280);
  DrawTrail(one, p, 10, 0, {}, space);
  EXPECT_EQ(space.GetValue(2, 5, 7), 65535);  // saturated
  EXPECT_EQ(space.GetValue(2, 6, 7), 0);

  PlotSample(space, false, 3, 3, 65535, 1, 0);
  PlotSample(space, false, 3, 3, 1, 65535, 0);
  EXPECT_EQ(space.GetValue(0, 3, 3), 65535);
  EXPECT_EQ(space.GetValue(1, 3, 3), 65535);
  EXPECT_EQ(space.GetValue(2, 3, 3), 0);
}

TEST(TrailTest, SampleColoursAndCounts) {
  SpaceBuffer space = SmallSpace();
  // tv 0, ns 4: five samples on one point, 0, 1/4, 1/2, 3/4 and 1 of 100 x 128,
  // 2.5 full samples in all
  DrawTrail(TrailSet(Set(4, 0, 100)), Resting(2, 2), 10, 0, {}, space);
  EXPECT_EQ(space.GetValue(0, 2, 2), 0 + 3200 + 6400 + 9600 + 12800);

  // Integer division per sample: colour 1 (128) over 3 divisions gives 0, 42, 85, 128.
  space.Clear();
  DrawTrail(TrailSet(Set(3, 0, 1)), Resting(2, 2), 10, 0, {}, space);
  EXPECT_EQ(space.GetValue(0, 2, 2), 0 + 42 + 85 + 128);

  // ns 0: one sample at full colour, tv behind the present position.
  space.Clear();
  ParticleState moving = Resting(1, 1);
  moving.vx = 1;  // one pixel per time unit to the right
  DrawTrail(TrailSet(Set(0, 3)), moving, 5, 0, {}, space);
  EXPECT_EQ(space.GetValue(0, 3, 1), 32640);  // age 5 - 3 = 2: x = 3
  EXPECT_EQ(space.GetValue(0, 6, 1), 0);

  // ns negative: nothing.
  space.Clear();
  DrawTrail(TrailSet(Set(-1, 3)), moving, 5, 0, {}, space);
  for (int32_t x = 0; x < 16; ++x) EXPECT_EQ(space.GetValue(0, x, 1), 0);
}

TEST(TrailTest, SampleColoursOfManyDivisionsUseWideProducts) {
  ParticleSet s = Set(200000, 1);
  s.red = 255;
  s.green = 1;
  s.blue = 0;
  const TrailSet set(s);
  // 32640 x 199999 does not fit into 32 bits.
  EXPECT_EQ(set.SampleColour(199999), 32639u | uint64_t{127} << 16);
  EXPECT_EQ(set.SampleColour(200000), 32640u | uint64_t{128} << 16);
  EXPECT_EQ(set.SampleColour(0), 0u);
  const TrailSet tabulated(Set(3, 1, 1));
  EXPECT_EQ(tabulated.SampleColour(2), 85u | uint64_t{85} << 16 | uint64_t{85} << 32);
}

TEST(TrailTest, OnlyAliveSamplesAreDrawn) {
  SpaceBuffer space = SmallSpace();
  ParticleState p = Resting(0, 4);
  p.vx = 1;
  p.birth = 2;
  p.death = 6;  // alive for ages 0 .. 4
  // t = 8, tv = 8, ns = 8: ages -2 .. 6 in steps of 1; ages 0..4 drawn at x 0..4.
  DrawTrail(TrailSet(Set(8, 8)), p, 8, 0, {}, space);
  for (int32_t x = 0; x <= 4; ++x) {
    EXPECT_EQ(space.GetValue(0, x, 4), 32640 * (x + 2) / 8) << x;
  }
  EXPECT_EQ(space.GetValue(0, 5, 4), 0);
}

TEST(TrailTest, GravityBendsTheTrail) {
  SpaceBuffer space = SmallSpace(16, 40);
  ParticleState p = Resting(3, 0);
  DrawTrail(TrailSet(Set(0, 0)), p, 6, 2, {}, space);  // y = 2 * 36 / 2 = 36
  EXPECT_EQ(space.GetValue(0, 3, 36), 32640);
}

TEST(TrailTest, AntiAliasingSpreadsBilinearly) {
  SpaceBuffer space = SmallSpace();
  const RenderOptions aa{true, false};
  DrawTrail(TrailSet(Set(0, 0)), Resting(10.5L, 5), 1, 0, aa, space);
  EXPECT_EQ(space.GetValue(0, 10, 5), 16320);
  EXPECT_EQ(space.GetValue(0, 11, 5), 16320);
  EXPECT_EQ(space.GetValue(0, 10, 6), 0);
  EXPECT_EQ(space.GetValue(0, 11, 6), 0);

  space.Clear();
  DrawTrail(TrailSet(Set(0, 0)), Resting(-0.5L, 5), 1, 0, aa, space);
  EXPECT_EQ(space.GetValue(0, 0, 5), 16320);  // the other half falls off the left edge
  EXPECT_EQ(space.GetValue(0, 15, 5), 0);
}

TEST(TrailTest, WrapJoinsOppositeEdges) {
  SpaceBuffer space = SmallSpace();
  DrawTrail(TrailSet(Set(0, 0)), Resting(-0.5L, 5), 1, 0, {true, true}, space);
  EXPECT_EQ(space.GetValue(0, 15, 5), 16320);
  EXPECT_EQ(space.GetValue(0, 0, 5), 16320);

  space.Clear();
  DrawTrail(TrailSet(Set(0, 0)), Resting(16 + 3, -1), 1, 0, {false, true}, space);
  EXPECT_EQ(space.GetValue(0, 3, 11), 32640);

  SpaceBuffer empty(0, 5);
  DrawTrail(TrailSet(Set(0, 0)), Resting(3, 3), 1, 0, {true, true}, empty);  // nothing to write
  PlotSample(empty, true, 1, 1, 5, 5, 5);
}

TEST(TrailTest, CoordinatesBeyondThirtyTwoBitsAreDropped) {
  SpaceBuffer space = SmallSpace();
  ParticleState far = Resting(1e9L, 3);  // x * 256 leaves the 32-bit range
  DrawTrail(TrailSet(Set(5, 1)), far, 10, 0, {false, true}, space);
  ParticleState fast = Resting(2, 3);
  fast.vx = 1e15L;  // stepping runs far out of range after the first sample
  fast.x0 = 2;
  DrawTrail(TrailSet(Set(1000, 1)), fast, 1, 0, {false, true}, space);
  ParticleState deep = Resting(4, 1e30L);
  DrawTrail(TrailSet(Set(3, 1)), deep, 10, 0, {true, true}, space);
  ParticleState nan = Resting(4, 4);
  nan.vy = std::numeric_limits<long double>::quiet_NaN();
  DrawTrail(TrailSet(Set(3, 1)), nan, 10, 0, {}, space);
  long long sum = 0;
  for (int p = 0; p < 3; ++p)
    for (int32_t y = 0; y < 12; ++y)
      for (int32_t x = 0; x < 16; ++x) sum += space.GetValue(p, x, y);
  // Only the first sample of the fast particle (age 0, x = 2) lies in range.
  EXPECT_EQ(space.GetValue(0, 2, 3), 0);  // its colour at k = 0 is 0
  EXPECT_EQ(sum, 0);
}

}  // namespace
}  // namespace kirabel
