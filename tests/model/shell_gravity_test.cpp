// A shell flown under another gravity: the factors between two gravities,
// every time and speed of a set scaled so that its particles burst where they
// did, and a list taking a shell in (its launch settings into a list without
// sets, its picture kept and frames enough in any other).
#include "model/shell_gravity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/shell_file.h"
#include "model/shell_insertion.h"
#include "model/star_effect_fields.h"
#include "simulation/particle_motion.h"

namespace kirabel {
namespace {

// A rising star that bursts into a child set with every spread in use.
Shell TwoStageShell() {
  Shell shell;
  shell.settings.gravity = 0.1L;
  shell.settings.startTime = 0;
  shell.settings.frameInterval = 0.5L;
  shell.settings.frameCount = 150;  // the last frame at 74.5
  shell.settings.wind = 0.3L;
  ParticleSet star;
  star.visible = true;
  star.child = 1;
  star.count = 1;
  star.originX = 256;
  star.originY = 512;
  star.speed = 30;
  star.speedSpread = 2;
  star.direction = 0.2L;
  star.birthTime = 4;
  star.birthSpread = 1;
  star.lifetime = 12;
  star.lifetimeSpread = 3;
  star.trailLength = 1.5L;
  star.trailSamples = 40;
  StarEffects air;
  air.drag = 0.02L;
  star.SetEffects(air);
  ParticleSet burst = star;
  burst.visible = false;
  burst.child = -1;
  burst.count = 110;
  burst.speed = 2.6L;
  burst.speedSpread = 0.5L;
  burst.directionSpread = 3.1L;
  burst.birthTime = 0.25L;
  burst.birthSpread = 0.15L;
  burst.lifetime = 60;
  burst.trailLength = 40;
  shell.sets = {star, burst};
  return shell;
}

TEST(ShellGravityTest, FactorsScaleTimesAndSpeedsOnlyBetweenGravitiesPullingAlike) {
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  const struct {
    long double from, to, time, speed;
  } cases[] = {
      {0.1L, 0.4L, 0.5L, 2}, {0.4L, 0.1L, 2, 0.5L}, {-0.1L, -0.4L, 0.5L, 2},
      {0, 0.5L, 1, 1},       {0.5L, 0, 1, 1},       {0.1L, -0.1L, 1, 1},
      {0.5L, 0.5L, 1, 1},    {nan, 0.5L, 1, 1},     {0.5L, HUGE_VALL, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.from << " -> " << c.to);
    const GravityScale scale = GravityScaleBetween(c.from, c.to);
    EXPECT_EQ(scale.time, c.time);
    EXPECT_EQ(scale.speed, c.speed);
  }
}

TEST(ShellGravityTest, EveryTimeAndSpeedOfASetScalesAndNothingElse) {
  ParticleSet set = TwoStageShell().sets[0];
  StarEffects effects;
  effects.drag = 0.5L;
  effects.fadeIn = 1;
  effects.fadeOut = 2;
  effects.flash = 3;
  effects.flashTime = 4;
  effects.strobePeriod = 5;
  effects.strobeLit = 0.25L;
  effects.secondColourAge = 6;
  effects.secondColourBlend = 7;
  effects.sparkRate = 8;
  effects.sparkLifetime = 9;
  effects.sparkSpeed = 10;
  effects.seed = 11;
  set.SetEffects(effects);
  ParticleSet expected = set;
  StarEffects scaledEffects = effects;
  scaledEffects.drag = 1;
  scaledEffects.fadeIn = 0.5L;
  scaledEffects.fadeOut = 1;
  scaledEffects.flashTime = 2;
  scaledEffects.strobePeriod = 2.5L;
  scaledEffects.secondColourAge = 3;
  scaledEffects.secondColourBlend = 3.5L;
  scaledEffects.sparkRate = 16;
  scaledEffects.sparkLifetime = 4.5L;
  scaledEffects.sparkSpeed = 20;
  expected.SetEffects(scaledEffects);
  expected.speed = 60;
  expected.speedSpread = 4;
  expected.birthTime = 2;
  expected.birthSpread = 0.5L;
  expected.lifetime = 6;
  expected.lifetimeSpread = 1.5L;
  expected.trailLength = 0.75L;
  EXPECT_EQ(ScaledSet(set, {0.5L, 2}), expected);
  EXPECT_EQ(ScaledSet(set, {}), set);
  // Scaled numbers are held to their fields' limits; no second colour stays none.
  EXPECT_EQ(ScaledSet(set, {1, 1e9L}).speed, 999999999);
  EXPECT_EQ(ScaledSet(set, {1, 1e9L}).Effects().sparkRate, kMaxSparkRate);
  effects.secondColourAge = -1;
  set.SetEffects(effects);
  EXPECT_EQ(ScaledSet(set, {0.5L, 2}).Effects().secondColourAge, -1);
  // A set without effects gains none.
  EXPECT_FALSE(ScaledSet(ParticleSet(), {0.5L, 2}).HasEffects());
}

// Where a particle of each stage of the shell bursts under its own gravity
// and wind, its random factors away from zero so that the spreads count.
std::vector<Burst> Bursts(const Shell& shell) {
  const MotionFactors factors{0.3L, -0.4L, 0.2L, 0.7L};
  const Forces air(shell.settings.gravity, shell.settings.wind);
  const ParticleState star = FirstGenerationParticle(shell.sets[0], factors);
  const Burst first = BurstOf(star, air.On(shell.sets[0]));
  const ParticleState child = ChildParticle(shell.sets[1], factors, first, star.death);
  return {first, BurstOf(child, air.On(shell.sets[1]))};
}

TEST(ShellGravityTest, AScaledShellBurstsWhereItDidUnderTheNewGravity) {
  const Shell shell = TwoStageShell();
  for (const long double gravity : {0.5L, 0.4L, 0.025L, 1.7L}) {
    SCOPED_TRACE(static_cast<double>(gravity));
    const Shell scaled = ScaledToGravity(shell, gravity);
    EXPECT_EQ(scaled.settings.gravity, gravity);
    EXPECT_NEAR(scaled.settings.wind, 0.3L / std::sqrt(0.1L / gravity), 1e-12L);
    const long double time = std::sqrt(0.1L / gravity);
    EXPECT_NEAR(LastFrameTime(scaled.settings), 74.5L * time, 1e-9L);
    const std::vector<Burst> before = Bursts(shell), after = Bursts(scaled);
    for (std::size_t i = 0; i < before.size(); ++i) {
      EXPECT_NEAR(after[i].origin.x, before[i].origin.x, 1e-6L);
      EXPECT_NEAR(after[i].origin.y, before[i].origin.y, 1e-6L);
      EXPECT_NEAR(after[i].direction, before[i].direction, 1e-9L);
    }
  }
  Shell weightless = shell;
  weightless.settings.gravity = 0;
  EXPECT_EQ(ScaledToGravity(weightless, 0.5L).sets, weightless.sets);
}

TEST(ShellInsertionTest, AListTakesTheShellsLaunchOrItsPictureWithFramesEnough) {
  LaunchSettings list;  // gravity 0.5, frames from 10 every 1, one frame
  list.autosave = true;
  LaunchSettings longList = list;
  longList.frameCount = 100;
  LaunchSettings stillList = list;
  stillList.frameInterval = 0;
  LaunchSettings weightless = list;
  weightless.gravity = 0;
  const struct {
    const char* what;
    bool listHasSets;
    LaunchSettings settings;
    std::optional<long double> birth;
    long double gravity, start, interval, frames, starBirth, starSpeed;
    bool scaled;
  } cases[] = {
      // The shell's launch comes with it; its own times stay.
      {"no sets", false, list, 20, 0.1L, 0, 0.5L, 150, 4, 30, false},
      // Scaled by 1/sqrt(5) in time: the last frame at 74.5/sqrt(5) = 33.3.
      {"gravity 0.5", true, list, std::nullopt, 0.5L, 10, 1, 25, 4 / std::sqrt(5.0L),
       30 * std::sqrt(5.0L), true},
      // Born at 20 instead of 4/sqrt(5): the last frame 18.2 later.
      {"at the preview's time", true, list, 20, 0.5L, 10, 1, 43, 20, 30 * std::sqrt(5.0L), true},
      {"long enough", true, longList, std::nullopt, 0.5L, 10, 1, 100, 4 / std::sqrt(5.0L),
       30 * std::sqrt(5.0L), true},
      {"still frames", true, stillList, std::nullopt, 0.5L, 10, 0, 1, 4 / std::sqrt(5.0L),
       30 * std::sqrt(5.0L), true},
      {"no gravity", true, weightless, std::nullopt, 0, 10, 1, 66, 4, 30, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ShellInsertion insertion =
        FitShellIntoList(TwoStageShell(), c.listHasSets, c.settings, {100, 480, c.birth});
    EXPECT_EQ(insertion.settings.gravity, c.gravity);
    EXPECT_EQ(insertion.settings.startTime, c.start);
    EXPECT_EQ(insertion.settings.frameInterval, c.interval);
    EXPECT_EQ(insertion.settings.frameCount, c.frames);
    EXPECT_TRUE(insertion.settings.autosave);  // automatic saving stays the list's
    EXPECT_EQ(insertion.settings.wind, c.listHasSets ? 0 : 0.3L);
    EXPECT_EQ(insertion.scaled, c.scaled);
    ASSERT_EQ(insertion.sets.size(), 2u);
    EXPECT_EQ(insertion.sets[0].originX, 100);
    EXPECT_EQ(insertion.sets[0].originY, 480);
    EXPECT_NEAR(insertion.sets[0].birthTime, c.starBirth, 1e-9L);
    EXPECT_NEAR(insertion.sets[0].speed, c.starSpeed, 1e-9L);
  }
}

}  // namespace
}  // namespace kirabel
