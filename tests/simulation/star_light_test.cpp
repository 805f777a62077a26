// A star's light over its life, measured from frames: fades, flash, strobe
// and the change to a second colour.
#include <gtest/gtest.h>

#include "simulation/star_frames.h"

namespace kirabel {
namespace {

// A still red star of amount 40 x 128 = 5120 living 40, in still air.
ParticleSet DimStar(const StarEffects& effects) {
  ParticleSet set = testing::SingleStar(100, 100, 0, 0, 40);
  set.red = 40;
  set.green = set.blue = 0;
  return testing::WithEffects(set, effects);
}

LaunchSettings StillAir() {
  LaunchSettings settings;
  settings.gravity = 0;
  return settings;
}

uint32_t LightAt(const ParticleList& list, long double t) {
  return testing::FrameAt(list, StillAir(), t, 200, 200)->space.GetValue(0, 100, 100);
}

TEST(StarLightTest, FadesAndFlashShapeTheLightOverALife) {
  StarEffects fades;
  fades.fadeIn = 10;
  fades.fadeOut = 8;
  StarEffects flash;
  flash.flash = 3;
  flash.flashTime = 4;
  StarEffects both = fades;
  both.flash = 1;
  both.flashTime = 2;
  const struct {
    const StarEffects& effects;
    double age;
    double brightness;
  } cases[] = {
      {fades, 0, 0},  {fades, 5, 0.5}, {fades, 20, 1},   {fades, 36, 0.5}, {fades, 40, 0},
      {flash, 0, 4},  {flash, 2, 2.5}, {flash, 4, 1},    {flash, 30, 1},   {both, 0, 1},
      {both, 1, 0.6}, {both, 2, 0.2},  {both, 38, 0.25},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(LightAt({DimStar(c.effects)}, c.age), 5120 * c.brightness, 1)
        << c.age << " " << c.brightness;
  }
}

TEST(StarLightTest, AStrobeDarkensItsShareOfEveryPeriodFromAPhaseOfEachStar) {
  StarEffects strobe;
  strobe.strobePeriod = 2;
  strobe.strobeLit = 0.25L;
  const ParticleList one{DimStar(strobe)};
  int lit = 0;
  for (int frame = 0; frame < 400; ++frame) lit += LightAt(one, 0.05L + frame * 0.1L) != 0;
  EXPECT_NEAR(lit, 100, 2);

  // A ring of a hundred stars: about a quarter shine at any moment.
  ParticleSet ring = testing::SingleStar(256, 256, 5, 0, 40, 100);
  ring.directionSpread = 3.1415926535897932385L;
  const auto shining =
      testing::LitPixels(*testing::FrameAt({testing::WithEffects(ring, strobe)}, StillAir(), 20));
  EXPECT_GT(shining.size(), 10u);
  EXPECT_LT(shining.size(), 45u);
}

TEST(StarLightTest, TheColourChangesFromItsAgeOverItsBlend) {
  StarEffects change;
  change.secondRed = 0;
  change.secondGreen = 100;
  change.secondBlue = 250;
  change.secondColourAge = 10;
  change.secondColourBlend = 4;
  StarEffects sharp = change;
  sharp.secondColourBlend = 0;
  const struct {
    const StarEffects& effects;
    double age;
    int red, green, blue;
  } cases[] = {
      {change, 5, 200, 0, 0},  {change, 12, 100, 50, 125}, {change, 20, 0, 100, 250},
      {sharp, 9.9, 200, 0, 0}, {sharp, 10.1, 0, 100, 250},
  };
  for (const auto& c : cases) {
    ParticleSet set = testing::SingleStar(50, 50, 0, 0, 40);
    set.red = 200;
    set.green = set.blue = 0;
    const auto frame =
        testing::FrameAt({testing::WithEffects(set, c.effects)}, StillAir(), c.age, 100, 100);
    EXPECT_NEAR(frame->space.GetValue(0, 50, 50), c.red * 128, 1) << c.age;
    EXPECT_NEAR(frame->space.GetValue(1, 50, 50), c.green * 128, 1) << c.age;
    EXPECT_NEAR(frame->space.GetValue(2, 50, 50), c.blue * 128, 1) << c.age;
  }
}

TEST(StarLightTest, ATrailShowsBothColoursAlongItsLength) {
  StarEffects change;
  change.secondRed = 0;
  change.secondGreen = 255;
  change.secondBlue = 0;
  change.secondColourAge = 10;
  ParticleSet set = testing::SingleStar(20, 100.5L, 5, -1.5707963267948966L, 40);
  set.green = set.blue = 0;
  set.trailLength = 10;
  set.trailSamples = 100;
  const auto frame =
      testing::FrameAt({testing::WithEffects(set, change)}, StillAir(), 15, 200, 200);
  int red = 0, green = 0;
  for (int x = 0; x < 200; ++x) {
    const bool r = frame->space.GetValue(0, x, 100) != 0;
    const bool g = frame->space.GetValue(1, x, 100) != 0;
    red += r && !g;
    green += g && !r;
  }
  EXPECT_GT(red, 5);
  EXPECT_GT(green, 5);
}

}  // namespace
}  // namespace kirabel
