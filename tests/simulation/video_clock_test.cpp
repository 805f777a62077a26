// The video clock: frame k at (k - 1) / rate video seconds and at list time
// ST + (k - 1) * IT summed as the launch sums it, exact fractional rates, and
// round trips between frames, list time and video seconds.
#include "simulation/video_clock.h"

#include <gtest/gtest.h>

#include <cmath>

#include "simulation/frame_clock.h"

namespace kirabel {
namespace {

TEST(VideoClockTest, PlacesFramesInVideoSecondsAtExactRates) {
  const struct {
    FrameRate rate;
    int64_t frame;
    long double seconds;  // of the frame
  } cases[] = {
      {{30, 1}, 1, 0},
      {{30, 1}, 31, 1},
      {{30000, 1001}, 30001, 1001},
      {{30000, 1001}, 2, 1001.0L / 30000},
      {{24000, 1001}, 24001, 1001},
      {{25, 2}, 26, 2},
      {{0, 1}, 31, 1},  // no rate: the default one
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.rate.numerator) + "/" + std::to_string(c.rate.denominator) +
                 " frame " + std::to_string(c.frame));
    const VideoClock clock(c.rate);
    EXPECT_NEAR(static_cast<double>(clock.FrameSeconds(c.frame)), static_cast<double>(c.seconds),
                1e-12);
    EXPECT_EQ(clock.FrameDue(clock.FrameSeconds(c.frame)), c.frame);
    EXPECT_EQ(clock.FrameDue(clock.FrameSeconds(c.frame) - 1e-5L),
              std::max<int64_t>(c.frame - 1, 1));
    EXPECT_EQ(clock.SecondsOfFrames(c.frame - 1), clock.FrameSeconds(c.frame));
  }
  EXPECT_EQ(VideoClock({30000, 1001}).FramesCovering(1), 30);  // 29.97 frames
  EXPECT_EQ(VideoClock({30000, 1001}).FramesCovering(1001), 30000);
  EXPECT_EQ(VideoClock({10, 1}).FramesCovering(2.5L), 25);
  EXPECT_EQ(VideoClock().FrameDue(-3), 1);
  EXPECT_EQ(VideoClock().FrameDue(NAN), 1);
  EXPECT_EQ(VideoClock().FrameDue(1e30L), INT64_MAX);
}

// Frame times are the launch's own sums, whatever the rate; list time and
// video seconds map one to the other at rate * IT.
TEST(VideoClockTest, ConvertsBetweenFramesListTimeAndVideoSeconds) {
  const struct {
    FrameRate rate;
    long double start, interval;
  } cases[] = {
      {{30, 1}, 10, 0.5L},
      {{30000, 1001}, 0, 0.1L},
      {{60000, 1001}, -3.5L, 0.7L},
      {{12, 1}, 1e6L, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.interval));
    const VideoClock clock(c.rate, c.start, c.interval);
    const FrameClock launch(c.start, c.interval);
    for (const int64_t frame : {1, 2, 31, 1001, 123457}) {
      const long double t = clock.FrameTime(frame);
      EXPECT_EQ(t, launch.Time(frame)) << frame;
      EXPECT_EQ(clock.NearestFrame(t), frame);
      EXPECT_EQ(clock.FrameAt(t, 200000), frame);
      const long double seconds = clock.VideoSeconds(t);
      EXPECT_NEAR(static_cast<double>(seconds), static_cast<double>(clock.FrameSeconds(frame)),
                  1e-6);
      EXPECT_NEAR(static_cast<double>(clock.ListTime(seconds)), static_cast<double>(t),
                  1e-9 * std::fabs(static_cast<double>(t)) + 1e-9);
    }
    EXPECT_EQ(clock.FrameTime(0), c.start - c.interval);  // continued backwards
  }
  const VideoClock still({30, 1}, 5, 0);
  EXPECT_EQ(still.NearestFrame(100), 1);
  EXPECT_EQ(still.VideoSeconds(100), 0);
  EXPECT_EQ(still.ListTime(3), 5);
}

TEST(VideoClockTest, RoundsCountsIntoRange) {
  EXPECT_EQ(RoundedCount(2.5L), 3);
  EXPECT_EQ(RoundedCount(-2.4L), -2);
  EXPECT_EQ(RoundedCount(NAN), 0);
  EXPECT_EQ(RoundedCount(1e30L), 9000000000000000000);
}

}  // namespace
}  // namespace kirabel
