// Sparks shed in flight: where their light falls, what the estimate counts,
// and that hostile effect values draw in bounded time.
#include "simulation/sparks.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "simulation/star_frames.h"

namespace kirabel {
namespace {

// A red star rising at 8 from (100, 200), blue sparks.
ParticleSet RisingStar(long double rate) {
  ParticleSet set = testing::SingleStar(100, 200, 8, 0, 30);
  set.green = set.blue = 0;
  StarEffects sparks;
  sparks.sparkRate = rate;
  sparks.sparkLifetime = 5;
  sparks.sparkSpeed = 0.4L;
  sparks.sparkRed = sparks.sparkGreen = 0;
  return testing::WithEffects(set, sparks);
}

// The blue light above and below row y.
std::pair<uint64_t, uint64_t> BlueAboveAndBelow(const testing::Canvas& canvas, int y) {
  uint64_t above = 0, below = 0;
  for (int r = 0; r < canvas.space.Height(); ++r) {
    for (int x = 0; x < canvas.space.Width(); ++x) {
      const uint32_t blue = canvas.space.GetValue(2, x, r);
      (r < y ? above : below) += r == y ? 0 : blue;
    }
  }
  return {above, below};
}

TEST(SparksTest, AStarLeavesSparksBelowAndBehindIt) {
  LaunchSettings settings;
  settings.gravity = 0.1L;
  const long double t = 10;
  const int starY = static_cast<int>(200 - 8 * t + 0.05L * t * t);  // 125
  const auto with = testing::FrameAt({RisingStar(10)}, settings, t, 200, 256);
  const auto [above, below] = BlueAboveAndBelow(*with, starY - 3);
  EXPECT_EQ(above, 0u);
  EXPECT_GT(below, 0u);
  EXPECT_EQ(testing::TotalLight(*testing::FrameAt({RisingStar(0)}, settings, t, 200, 256), 2), 0u);
}

TEST(SparksTest, TheEstimateCountsTheSparksUpToTheCapPerStar) {
  const struct {
    long double rate;
    long double lifetime;
    int64_t perStar;
  } cases[] = {{0, 20, 0}, {10, 20, 201}, {2.5L, 4, 11}, {1000, 1e6L, kMaxSparksPerStar}};
  for (const auto& c : cases) {
    ParticleSet set = RisingStar(c.rate);
    set.count = 7;
    set.lifetime = c.lifetime;
    EXPECT_EQ(SparksPerStar(set), c.perStar) << c.rate;
    const ParticleEstimate estimate = EstimateParticles({set});
    EXPECT_EQ(estimate.sparks, 7 * c.perStar) << c.rate;
    EXPECT_EQ(estimate.Total(), 7 + 7 * c.perStar) << c.rate;
  }
}

TEST(SparksTest, HostileEffectValuesDrawInBoundedTime) {
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  const long double inf = std::numeric_limits<long double>::infinity();
  for (const long double value : {nan, inf, -inf, 1e300L, -1e300L, 1e-300L, 0.0L}) {
    StarEffects hostile;
    hostile.drag = hostile.fadeIn = hostile.fadeOut = hostile.flash = hostile.flashTime = value;
    hostile.strobePeriod = hostile.strobeLit = hostile.secondColourAge = value;
    hostile.secondColourBlend = hostile.sparkRate = hostile.sparkLifetime = value;
    hostile.sparkSpeed = value;
    ParticleSet set = testing::SingleStar(100, 100, 3, 1, 1e6L, 50);
    set.trailSamples = 20;
    set.trailLength = 3;
    LaunchSettings settings;
    settings.wind = value;
    const auto start = std::chrono::steady_clock::now();
    testing::FrameAt({testing::WithEffects(set, hostile)}, settings, 1e5L, 200, 200);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20))
        << static_cast<double>(value);
  }
}

}  // namespace
}  // namespace kirabel
