#pragma once
// The values of the first new set after start-up: the properties dialog's
// design values, with the first set's name and no child.
#include <gtest/gtest.h>

#include "model/angles.h"
#include "model/particle.h"

namespace kirabel::testing {

inline void ExpectFirstNewSet(const TParticle& set) {
  EXPECT_EQ(set.name, "火花 1");
  EXPECT_EQ(set.colR, 255);
  EXPECT_EQ(set.colG, 255);
  EXPECT_EQ(set.colB, 255);
  EXPECT_EQ(set.N, 200);
  EXPECT_EQ(set.P0x, 256);
  EXPECT_EQ(set.P0y, 256);
  EXPECT_EQ(set.b, 10);
  EXPECT_EQ(set.eb, 5);
  EXPECT_EQ(set.vb, 0);
  EXPECT_EQ(set.db, kPi);
  EXPECT_EQ(set.gt, 0);
  EXPECT_EQ(set.et, 5);
  EXPECT_EQ(set.lt, 20);
  EXPECT_EQ(set.elt, 5);
  EXPECT_EQ(set.tv, 5);
  EXPECT_EQ(set.ns, 100);
  EXPECT_EQ(set.child, -1);
  EXPECT_EQ(set.am, 2);
  EXPECT_TRUE(set.visible);
  EXPECT_EQ(set.rmB | set.rmVB | set.rmGT | set.rmLT, 0);
}

}  // namespace kirabel::testing
