// Own random streams (OWNRANDOM): a set's particles depend on its own seed
// alone, so changing, adding or moving another set leaves them as they were.
#include <gtest/gtest.h>

#include <algorithm>

#include "simulation/star_frames.h"

namespace kirabel {
namespace {

// A small random burst at x: particles within about 40 pixels of it.
ParticleSet Burst(long double x, int32_t seed, int32_t count = 60) {
  ParticleSet set = testing::MakeSet(count);
  set.originX = x;
  set.originY = 128;
  set.speed = 2;
  set.speedSpread = 1;
  set.lifetime = 10;
  set.lifetimeSpread = 2;
  set.birthSpread = 2;
  StarEffects effects;
  effects.seed = seed;
  return testing::WithEffects(set, effects);
}

// The right half of the frame, where only the burst at 400 lights.
std::vector<uint16_t> RightHalf(const ParticleList& list, bool ownRandom) {
  LaunchSettings settings;
  settings.gravity = 0;
  settings.ownRandom = ownRandom;
  const auto frame = testing::FrameAt(list, settings, 8, 512, 256);
  std::vector<uint16_t> values;
  for (int y = 0; y < 256; ++y)
    for (int x = 256; x < 512; ++x) values.push_back(frame->space.GetValue(0, x, y));
  return values;
}

TEST(OwnRandomTest, ChangingOneSetLeavesAFarSetsPixelsAlone) {
  const ParticleList before{Burst(100, 5), Burst(400, 9)};
  ParticleList changed = before;
  changed[0].count = 97;
  changed[0].speedDistribution = kCenteredDistribution;
  ParticleList added = before;
  added.insert(added.begin(), Burst(60, 3, 31));
  ParticleList reordered{before[1], before[0]};

  const std::vector<uint16_t> far = RightHalf(before, true);
  EXPECT_TRUE(std::any_of(far.begin(), far.end(), [](uint16_t v) { return v != 0; }));
  for (const ParticleList* other : {&changed, &added, &reordered}) {
    EXPECT_EQ(RightHalf(*other, true), far);
  }
  // The single sequence of the launch: the far set's particles move on.
  EXPECT_NE(RightHalf(changed, false), RightHalf(before, false));
}

TEST(OwnRandomTest, SetsWithoutASeedTakeOneFromTheirName) {
  ParticleList list{Burst(100, 0), Burst(400, 0)};
  list[0].name = "left";
  list[1].name = "right";
  const std::vector<uint16_t> far = RightHalf(list, true);
  list[0].count = 13;
  EXPECT_EQ(RightHalf(list, true), far);
}

}  // namespace
}  // namespace kirabel
