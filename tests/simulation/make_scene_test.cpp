// The scene factory: every target gets the list, the generator's state and
// the settings held to the launch limits; the targets differ only in size,
// drawing options and threads.
#include "simulation/make_scene.h"

#include <gtest/gtest.h>

#include "model/launch_limits.h"
#include "simulation/scene.h"

namespace kirabel {
namespace {

TEST(MakeSceneTest, EveryTargetHoldsTheSettingsToTheLaunchLimits) {
  LaunchSettings settings;
  settings.gravity = 5e12L;  // beyond nine digits
  settings.startTime = -1e-12L;
  settings.frameInterval = -2.5L;  // no negative interval
  settings.frameCount = 3.5L;
  settings.autosave = true;
  settings.autosaveName = "frames.bmp";
  Options options;
  options.antiAliasing = true;
  options.resolutionWidth = 320;
  options.resolutionHeight = 200;
  const int cores = AvailableCores();
  const struct {
    const char* name;
    SceneTarget target;
    SceneTarget expected;
  } cases[] = {
      {"window", SceneTarget::WindowLaunch(64, 48, options), {64, 48, {true, false}, 1}},
      {"preview", SceneTarget::Preview(64, 48, options), {64, 48, {true, false}, cores}},
      {"export", SceneTarget::Export(options), {320, 200, {true, false}, cores}},
      {"thumbnail", SceneTarget::Thumbnail(), {512, 512, {true, false}, cores}},
      {"command line", {100, 80, {false, true}, 3}, {100, 80, {false, true}, 3}},
  };
  const ParticleList sets = {testing::MakeSet(10), testing::MakeSet(20, 0)};
  const RandomGenerator random(1234);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Scene scene = MakeScene(sets, settings, random, c.target);
    EXPECT_EQ(scene.sets.size(), 2u);
    EXPECT_EQ(scene.sets[1].count, 20);
    EXPECT_EQ(scene.random.State(), random.State());
    EXPECT_EQ(scene.settings, WithinLaunchLimits(settings));
    EXPECT_EQ(scene.settings.gravity, 999999999);
    EXPECT_EQ(scene.settings.startTime, 0);
    EXPECT_EQ(scene.settings.frameInterval, 2.5L);
    EXPECT_TRUE(scene.settings.autosave);
    EXPECT_EQ(scene.width, c.expected.width);
    EXPECT_EQ(scene.height, c.expected.height);
    EXPECT_EQ(scene.options.antiAlias, c.expected.options.antiAlias);
    EXPECT_EQ(scene.options.wrap, c.expected.options.wrap);
    EXPECT_EQ(scene.jobs, c.expected.jobs);
  }
}

}  // namespace
}  // namespace kirabel
