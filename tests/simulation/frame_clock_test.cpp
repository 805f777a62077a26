#include "simulation/frame_clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace kirabel {
namespace {

// Any frame, asked for in any order, has exactly the time that adding the
// interval frame by frame gives, also where the sums cross binades, round
// half-way cases to even, pass zero or stop moving.
TEST(FrameClockTest, AnyFrameHasTheFrameByFrameSum) {
  const long double inf = std::numeric_limits<long double>::infinity();
  const struct {
    long double start, interval;
  } cases[] = {
      {10, 1},         {0, 0.1L},
      {-3.5L, 0.7L},   {1e6L, -0.3L},
      {0.1L, 1e-3L},   {1, 0x1.8p-63L},
      {1, 0x1.8p-64L}, {1, 0x1p-64L},
      {3, 0x1.4p-62L}, {5, -0x1.8p-62L},
      {1e18L, 1},      {1e18L, 0.5L},
      {2.5L, -1e-5L},  {-7, 3},
      {0, 0},          {1e4000L, 1e4000L},
      {inf, 1},        {1e-4940L, 1e-4945L},
  };
  constexpr int64_t kFrames = 400000;
  std::mt19937_64 random(7);
  for (const auto& c : cases) {
    std::vector<long double> times(kFrames + 1);
    times[1] = c.start;
    for (int64_t i = 2; i <= kFrames; ++i) times[i] = times[i - 1] + c.interval;
    const FrameClock clock(c.start, c.interval);
    for (int ask = 0; ask < 300; ++ask) {
      const int64_t frame = 1 + static_cast<int64_t>(random() % kFrames);
      const long double expected = times[frame], actual = clock.Time(frame);
      ASSERT_TRUE(actual == expected || (std::isnan(actual) && std::isnan(expected)))
          << "start " << static_cast<double>(c.start) << " interval "
          << static_cast<double>(c.interval) << " frame " << frame;
    }
    EXPECT_TRUE(clock.Time(kFrames) == times[kFrames] || std::isnan(times[kFrames]));
    EXPECT_TRUE(clock.Time(kFrames - 1) == times[kFrames - 1] || std::isnan(times[kFrames]));
  }
}

TEST(FrameClockTest, FrameAtFindsOnlyExactFrameTimes) {
  const FrameClock clock(10, 0.1L);
  const long double third = clock.Time(3);
  EXPECT_EQ(clock.FrameAt(third, 5), 3);
  EXPECT_EQ(clock.FrameAt(std::nextafter(third, 100.0L), 5), 0);
  EXPECT_EQ(clock.FrameAt(clock.Time(6), 5), 0);
  EXPECT_EQ(FrameClock(4, 0).FrameAt(4, 9), 1);
}

}  // namespace
}  // namespace kirabel
