#include "simulation/population.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "simulation/literal_reference.h"
#include "simulation/random.h"
#include "simulation/scene.h"

namespace kirabel {
namespace {

using testing::MakeSet;
using testing::StillSet;

std::vector<int32_t> SetSizes(const LaunchList& launched) {
  std::vector<int32_t> sizes;
  for (const LaunchedSet& s : launched) sizes.push_back(static_cast<int32_t>(s.states.size()));
  return sizes;
}

TEST(PopulationTest, EstimateFollowsChildChainsUpToAm) {
  ParticleList list{MakeSet(3, 1, 2), MakeSet(2)};
  list[1].visible = false;
  EXPECT_EQ(EstimateParticles(list).particles, 3 + 6);
  EXPECT_EQ(EstimateParticles(list).launchedSets, 1 + 3);

  list[0].maxGenerations = 3;  // the child's own child is -1: the chain stops after two terms
  EXPECT_EQ(EstimateParticles(list).particles, 9);

  ParticleList self{MakeSet(2, 0, 3)};
  EXPECT_EQ(EstimateParticles(self).particles, 2 + 4 + 8);
  EXPECT_EQ(EstimateParticles(self).launchedSets, 1 + 2 + 4);

  list[0].maxGenerations = 1;  // am 1, 0 or negative: first generation only
  EXPECT_EQ(EstimateParticles(list).particles, 3);
  list[0].maxGenerations = -4;
  EXPECT_EQ(EstimateParticles(list).particles, 3);

  list[0].maxGenerations = 2;
  list[0].count = -5;  // a negative N counts as no particles
  EXPECT_EQ(EstimateParticles(list).particles, 0);
  list[0].count = 3;
  list[0].child = 9;  // a child naming no set ends the chain
  EXPECT_EQ(EstimateParticles(list).particles, 3);
}

TEST(PopulationTest, EstimateOfHugeChainsIsQuickAndSaturates) {
  ParticleList chain{MakeSet(1, 0, 2000000000)};
  EXPECT_EQ(EstimateParticles(chain).particles, 2000000000);
  EXPECT_EQ(EstimateParticles(chain).launchedSets, 2000000000);

  ParticleList loop{MakeSet(1, 1, 1000000001), MakeSet(1, 0)};
  loop[1].visible = false;
  EXPECT_EQ(EstimateParticles(loop).particles, 1000000001);

  ParticleList huge{MakeSet(100000, 0, 100)};
  EXPECT_EQ(EstimateParticles(huge).particles, INT64_MAX);
  EXPECT_FALSE(FitsInMemory(EstimateParticles(huge), uint64_t{1} << 40));
  EXPECT_TRUE(FitsInMemory(EstimateParticles(chain), uint64_t{1} << 40));
}

TEST(PopulationTest, LaunchListIsDepthFirst) {
  ParticleList list{MakeSet(3, 1, 2), MakeSet(2)};
  list[1].visible = false;
  RandomGenerator random;
  LaunchList launched;
  PopulateLaunchList(list, 0.5L, random, launched);
  EXPECT_EQ(SetSizes(launched), (std::vector<int32_t>{3, 2, 2, 2}));

  ParticleList self{MakeSet(2, 0, 3)};
  launched.clear();
  PopulateLaunchList(self, 0.5L, random, launched);
  // set, burst of particle 0 with its two bursts, burst of particle 1 with its two
  EXPECT_EQ(SetSizes(launched), (std::vector<int32_t>(7, 2)));

  ParticleList hidden{MakeSet(4), MakeSet(1)};
  hidden[0].visible = false;
  launched.clear();
  PopulateLaunchList(hidden, 0.5L, random, launched);
  EXPECT_EQ(SetSizes(launched), (std::vector<int32_t>{1}));

  ParticleList odd{MakeSet(-3, 0, 2), MakeSet(2, 7, 2), MakeSet(0, 1, 3)};
  launched.clear();
  PopulateLaunchList(odd, 0.5L, random, launched);
  EXPECT_EQ(SetSizes(launched), (std::vector<int32_t>{0, 2, 0}));
  EXPECT_EQ(launched[0].count, 0);
}

TEST(PopulationTest, MatchesTheLiteralRulesIncludingDrawOrder) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    const ParticleList list = testing::RandomScene(seed);
    RandomGenerator literalRandom(seed * 7919u), random(seed * 7919u);
    const auto expected = literal::Population(list, 0.35L, literalRandom).Build();
    LaunchList launched;
    PopulateLaunchList(list, 0.35L, random, launched);
    ASSERT_EQ(random.State(), literalRandom.State()) << "scene " << seed;
    ASSERT_EQ(launched.size(), expected.size()) << "scene " << seed;
    for (std::size_t s = 0; s < launched.size(); ++s) {
      ASSERT_EQ(launched[s].states.size(), expected[s].states.size());
      EXPECT_EQ(launched[s].name, expected[s].set.name);
      for (std::size_t i = 0; i < launched[s].states.size(); ++i) {
        const ParticleState& a = launched[s].states[i];
        const ParticleState& b = expected[s].states[i];
        ASSERT_EQ(a.birth, b.birth);
        ASSERT_EQ(a.death, b.death);
        ASSERT_EQ(a.x0, b.x0);
        ASSERT_EQ(a.y0, b.y0);
        ASSERT_EQ(a.vx, b.vx);
        ASSERT_EQ(a.vy, b.vy);
      }
    }
  }
}

bool SameState(const ParticleState& a, const ParticleState& b) {
  return a.birth == b.birth && a.death == b.death && a.x0 == b.x0 && a.y0 == b.y0 && a.vx == b.vx &&
         a.vy == b.vy;
}

TEST(PopulationTest, ThreadsComputeTheSameParticles) {
  // 100 particles, 100 bursts of 30, 3000 bursts of 100 (computed on threads).
  ParticleList list{MakeSet(100, 1, 3), MakeSet(30, 0)};
  list[1].visible = false;
  list[1].speedDistribution = kCenteredDistribution;
  list[1].lifetimeDistribution = kEvenDistribution;
  RandomGenerator forOne(11), forThree(11);
  LaunchList one;
  PopulateLaunchList(list, 0.3L, forOne, one, 1);
  LaunchList three;
  PopulateLaunchList(list, 0.3L, forThree, three, 3);
  EXPECT_EQ(forOne.State(), forThree.State());
  ASSERT_EQ(one.size(), three.size());
  ASSERT_EQ(one.size(), 1u + 100 + 100 * 30);
  for (std::size_t s = 0; s < one.size(); ++s) {
    ASSERT_EQ(one[s].states.size(), three[s].states.size());
    for (std::size_t i = 0; i < one[s].states.size(); ++i) {
      ASSERT_TRUE(SameState(one[s].states[i], three[s].states[i])) << s << " " << i;
    }
  }
}

TEST(PopulationTest, FirstGenerationKinematics) {
  ParticleList list{StillSet(2, 30, 40)};
  list[0].speed = 10;
  list[0].birthTime = 3;
  list[0].lifetime = 7;
  RandomGenerator random;
  LaunchList launched;
  PopulateLaunchList(list, 0.5L, random, launched);
  const ParticleState& p = launched[0].states[0];
  EXPECT_EQ(p.birth, 3);
  EXPECT_EQ(p.death, 10);
  EXPECT_EQ(p.vx, 0);  // straight up with speed b
  EXPECT_EQ(p.vy, -10);
  EXPECT_EQ(p.x0, 30);
  EXPECT_EQ(p.y0, 40);
}

TEST(PopulationTest, BurstStartsWhereAndHowTheParentDies) {
  // A parent falling straight down bursts downwards (direction pi); its
  // child, with no spread, continues downwards from the parent's death point.
  ParticleList list{StillSet(1, 100, 50), StillSet(1, 0, 0)};
  list[0].child = 1;
  list[0].lifetime = 4;
  list[1].visible = false;
  list[1].speed = 2;
  list[1].lifetime = 3;
  RandomGenerator random;
  LaunchList launched;
  PopulateLaunchList(list, 0.5L, random, launched);
  ASSERT_EQ(launched.size(), 2u);
  const ParticleState& c = launched[1].states[0];
  EXPECT_EQ(c.x0, 100);
  EXPECT_EQ(c.y0, 50 + 0.5L * 16 / 2);
  EXPECT_EQ(c.birth, 4);
  EXPECT_EQ(c.death, 7);
  EXPECT_NEAR(static_cast<double>(c.vy), 2.0, 1e-15);  // cos(pi) * -2
  EXPECT_NEAR(static_cast<double>(c.vx), 0.0, 1e-15);
}

TEST(PopulationTest, MillionGenerationChainNeedsNoNativeStack) {
  ParticleList list{StillSet(1, 10, 10)};
  list[0].child = 0;
  list[0].maxGenerations = 1000000;
  RandomGenerator random;
  LaunchList launched;
  PopulateLaunchList(list, 0.5L, random, launched);
  EXPECT_EQ(launched.size(), 1000000u);
  EXPECT_EQ(launched.back().states[0].birth, 20.0L * 999999);
}

}  // namespace
}  // namespace kirabel
