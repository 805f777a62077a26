#pragma once
// The values of the first new set after start-up: what the properties dialog
// starts with, the first set's name and no child.
#include <gtest/gtest.h>

#include "model/angles.h"
#include "model/particle.h"

namespace kirabel::testing {

inline void ExpectFirstNewSet(const ParticleSet& set) {
  EXPECT_EQ(set.name, "火花 1");
  EXPECT_EQ(set.red, 255);
  EXPECT_EQ(set.green, 255);
  EXPECT_EQ(set.blue, 255);
  EXPECT_EQ(set.count, 200);
  EXPECT_EQ(set.originX, 256);
  EXPECT_EQ(set.originY, 256);
  EXPECT_EQ(set.speed, 10);
  EXPECT_EQ(set.speedSpread, 5);
  EXPECT_EQ(set.direction, 0);
  EXPECT_EQ(set.directionSpread, kPi);
  EXPECT_EQ(set.birthTime, 0);
  EXPECT_EQ(set.birthSpread, 5);
  EXPECT_EQ(set.lifetime, 20);
  EXPECT_EQ(set.lifetimeSpread, 5);
  EXPECT_EQ(set.trailLength, 5);
  EXPECT_EQ(set.trailSamples, 100);
  EXPECT_EQ(set.child, -1);
  EXPECT_EQ(set.maxGenerations, 2);
  EXPECT_TRUE(set.visible);
  EXPECT_EQ(set.speedDistribution | set.directionDistribution | set.birthDistribution |
                set.lifetimeDistribution,
            0);
}

}  // namespace kirabel::testing
