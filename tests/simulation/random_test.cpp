#include "simulation/random.h"

#include <gtest/gtest.h>

namespace kirabel {
namespace {

constexpr long double kTwoPow32 = 4294967296.0L;

TEST(RandomTest, SequenceFromProgramStart) {
  RandomSeed = 0;
  EXPECT_EQ(NextRandom(), 1 / kTwoPow32);
  EXPECT_EQ(NextRandom(), 134775814 / kTwoPow32);
  EXPECT_EQ(NextRandom(), 3698175007.0L / kTwoPow32);
  EXPECT_EQ(RandomSeed, 3698175007u);
  // The seed wraps modulo 2^32 and every value stays in [0, 1).
  RandomSeed = 0xFFFFFFFFu;
  const long double v = NextRandom();
  EXPECT_GE(v, 0.0L);
  EXPECT_LT(v, 1.0L);
  EXPECT_EQ(RandomSeed, 0xFFFFFFFFu * 134775813u + 1u);
}

TEST(RandomTest, FactorModesAndTheirDraws) {
  RandomSeed = 0;
  EXPECT_EQ(RandomFactor(rmUniform, 0, 1), 2 / kTwoPow32 - 1);
  EXPECT_EQ(RandomSeed, 1u);  // one draw

  RandomSeed = 0;
  const long double centered = RandomFactor(rmCentered, 5, 9);
  EXPECT_EQ(centered, 1 / kTwoPow32 + 134775814 / kTwoPow32 - 1);
  EXPECT_EQ(RandomSeed, 134775814u);  // two draws

  RandomSeed = 77;
  EXPECT_EQ(RandomFactor(rmEven, 0, 1), -1.0L);
  EXPECT_EQ(RandomFactor(rmEven, 0, 2), -1.0L);
  EXPECT_EQ(RandomFactor(rmEven, 1, 2), 0.0L);
  EXPECT_EQ(RandomFactor(rmEven, 1, 4), -0.5L);
  EXPECT_EQ(RandomFactor(rmEven, 3, 4), 0.5L);
  EXPECT_EQ(RandomFactor(rmEven, 2, 3), 2 / 1.5L - 1);
  EXPECT_EQ(RandomFactor(7, 1, 4), -0.5L);  // unknown modes are equally spaced
  EXPECT_EQ(RandomFactor(-1, 2, 4), 0.0L);
  EXPECT_EQ(RandomSeed, 77u);  // no draws
}

TEST(RandomTest, CenteredStaysBelowOne) {
  RandomSeed = 12345;
  for (int i = 0; i < 100000; ++i) {
    const long double f = RandomFactor(rmCentered, 0, 1);
    ASSERT_LT(f, 1.0L);
    ASSERT_GT(f, -1.0L);
  }
}

}  // namespace
}  // namespace kirabel
