#include "simulation/random.h"

#include <gtest/gtest.h>

namespace kirabel {
namespace {

constexpr long double kTwoPow32 = 4294967296.0L;

TEST(RandomTest, SequenceFromProgramStart) {
  RandomGenerator random;
  EXPECT_EQ(random.Next(), 1 / kTwoPow32);
  EXPECT_EQ(random.Next(), 134775814 / kTwoPow32);
  EXPECT_EQ(random.Next(), 3698175007.0L / kTwoPow32);
  EXPECT_EQ(random.State(), 3698175007u);
  RandomGenerator skipped;
  skipped.Skip(3);
  EXPECT_EQ(skipped.State(), random.State());
  // The state wraps modulo 2^32 and every value stays in [0, 1).
  RandomGenerator last(0xFFFFFFFFu);
  const long double v = last.Next();
  EXPECT_GE(v, 0.0L);
  EXPECT_LT(v, 1.0L);
  EXPECT_EQ(last.State(), 0xFFFFFFFFu * 134775813u + 1u);
}

// A leap lands where as many single draws land, also past 2^32 draws (the
// generator's period).
TEST(RandomTest, LeapIsManyDrawsAtOnce) {
  for (const uint64_t draws : {0ull, 1ull, 2ull, 3ull, 1000ull, 123457ull}) {
    SCOPED_TRACE(draws);
    RandomGenerator stepped(12345), leapt(12345);
    stepped.Skip(static_cast<int>(draws));
    leapt.Leap(draws);
    EXPECT_EQ(leapt.State(), stepped.State());
  }
  RandomGenerator period(777);
  period.Leap(uint64_t{1} << 32);
  EXPECT_EQ(period.State(), 777u);
  period.Leap((uint64_t{5} << 32) + 1000);
  RandomGenerator thousand(777);
  thousand.Skip(1000);
  EXPECT_EQ(period.State(), thousand.State());
}

TEST(RandomTest, FactorModesAndTheirDraws) {
  RandomGenerator uniform;
  EXPECT_EQ(RandomFactor(kUniformDistribution, 0, 1, uniform), 2 / kTwoPow32 - 1);
  EXPECT_EQ(uniform.State(), 1u);  // one draw

  RandomGenerator centered;
  EXPECT_EQ(RandomFactor(kCenteredDistribution, 5, 9, centered),
            1 / kTwoPow32 + 134775814 / kTwoPow32 - 1);
  EXPECT_EQ(centered.State(), 134775814u);  // two draws

  RandomGenerator random(77);
  EXPECT_EQ(RandomFactor(kEvenDistribution, 0, 1, random), -1.0L);
  EXPECT_EQ(RandomFactor(kEvenDistribution, 0, 2, random), -1.0L);
  EXPECT_EQ(RandomFactor(kEvenDistribution, 1, 2, random), 0.0L);
  EXPECT_EQ(RandomFactor(kEvenDistribution, 1, 4, random), -0.5L);
  EXPECT_EQ(RandomFactor(kEvenDistribution, 3, 4, random), 0.5L);
  EXPECT_EQ(RandomFactor(kEvenDistribution, 2, 3, random), 2 / 1.5L - 1);
  EXPECT_EQ(RandomFactor(7, 1, 4, random), -0.5L);  // unknown modes are equally spaced
  EXPECT_EQ(RandomFactor(-1, 2, 4, random), 0.0L);
  EXPECT_EQ(random.State(), 77u);  // no draws
}

TEST(RandomTest, CenteredStaysBelowOne) {
  RandomGenerator random(12345);
  for (int i = 0; i < 100000; ++i) {
    const long double f = RandomFactor(kCenteredDistribution, 0, 1, random);
    ASSERT_LT(f, 1.0L);
    ASSERT_GT(f, -1.0L);
  }
}

}  // namespace
}  // namespace kirabel
