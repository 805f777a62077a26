// The timeline's bars follow the launch's own times: the mean birth and death
// of each visible set, their spreads, the burst, and the chain of generations
// the launch walks (the first set's generation count, each set's child link).
// The means are checked against a launch's particles of the "even" spread,
// whose factors average to the mean exactly.
#include "simulation/set_timing.h"

#include <gtest/gtest.h>

#include "simulation/population.h"
#include "simulation/random.h"

namespace kirabel {
namespace {

ParticleSet Set(long double birth, long double life, int32_t child = -1, int32_t generations = 1) {
  ParticleSet set;
  set.count = 2;
  set.visible = true;
  set.birthTime = birth;
  set.lifetime = life;
  set.child = child;
  set.maxGenerations = generations;
  set.birthDistribution = set.lifetimeDistribution = kEvenDistribution;
  return set;
}

TEST(SetTiming, BarsFollowTheLaunchsGenerations) {
  ParticleList list = {Set(10, 20, 1, 3), Set(2, 5, 2), Set(1, 4, 0), Set(0, 1)};
  list[0].birthSpread = 3;
  list[0].lifetimeSpread = -1;  // a spread counts by its size
  list[1].visible = false;
  list[1].birthSpread = 0.5;
  list[3].maxGenerations = 5;  // no child: no burst, no generations

  const std::vector<SetTiming> timings = ListTiming(list, 1000);

  ASSERT_EQ(timings.size(), 3u);  // the invisible set has no row of its own
  EXPECT_EQ(timings[0].set, 0u);
  EXPECT_EQ(timings[0].span, (TimeSpan{10, 30, 3, 4}));
  EXPECT_TRUE(timings[0].bursts);
  ASSERT_EQ(timings[0].generations.size(), 2u);  // three generations in all
  EXPECT_EQ(timings[0].generations[0].set, 1u);
  EXPECT_EQ(timings[0].generations[0].span, (TimeSpan{32, 37, 4.5, 4.5}));
  EXPECT_EQ(timings[0].generations[1].set, 2u);
  EXPECT_EQ(timings[0].generations[1].span, (TimeSpan{38, 42, 4.5, 4.5}));
  // Set 2's own generation count is 1: it launches nothing as a first set.
  EXPECT_FALSE(timings[1].bursts);
  EXPECT_TRUE(timings[1].generations.empty());
  EXPECT_FALSE(timings[2].bursts);

  // The launch agrees: the mean birth and death of each launched set.
  RandomGenerator random;
  LaunchList launched;
  PopulateLaunchList(list, 0, random, launched);
  std::vector<TimeSpan> means;
  for (const LaunchedSet& set : launched) {
    long double birth = 0, death = 0;
    for (const ParticleState& p : set.states) birth += p.birth, death += p.death;
    means.push_back({birth / set.count, death / set.count, 0, 0});
  }
  // The even spread of two particles has factors -1 and 0: the mean lies half
  // a spread early.
  EXPECT_EQ(means[0].birth, 10 - 1.5L);
  EXPECT_EQ(means[0].death, 30 - 1.5L + 0.5L);
}

TEST(SetTiming, LongChainsStopAtTheLimitOrPastTheEnd) {
  const ParticleList loop = {Set(0, 10, 0, 2000000000)};
  EXPECT_EQ(ListTiming(loop, 1e9L)[0].generations.size(), kMaxListedGenerations);
  const std::vector<GenerationSpan> shown = ListTiming(loop, 35)[0].generations;
  ASSERT_EQ(shown.size(), 3u);  // born at 10, 20, 30; the next at 40 is past the end
  EXPECT_EQ(shown.back().span.birth, 30);
}

TEST(SetTiming, TimesAreHeldToTheDialogsFields) {
  const struct {
    long double birth, life, heldBirth, heldLife;
  } cases[] = {
      {12.5L, 30, 12.5L, 30},
      {-4, -6, -4, 6},  // a lifetime field takes no negatives
      {2e12L, 2e12L, 999999999, 999999999},
  };
  for (const auto& c : cases) {
    const ParticleSet set = WithTiming(Set(0, 0), c.birth, c.life);
    EXPECT_EQ(set.birthTime, c.heldBirth) << static_cast<double>(c.birth);
    EXPECT_EQ(set.lifetime, c.heldLife) << static_cast<double>(c.life);
  }
}

}  // namespace
}  // namespace kirabel
