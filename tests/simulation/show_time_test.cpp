// The timeline's clocks and snapping: frames at ST + (k - 1) * IT, beats at
// beatOffset + n * 60 / BPM video seconds, one video second FPS * IT of list
// time, and the ruler's "m:ss.ff".
#include "simulation/show_time.h"

#include <gtest/gtest.h>

namespace kirabel {
namespace {

// ST 10, IT 0.5, 30 fps: one second of video is 15 of list time. 120 BPM
// from 1 s: beats at list times 25, 32.5, 40, ...
ShowTime Clock(long double bpm = 120) {
  LaunchSettings settings;
  settings.startTime = 10;
  settings.frameInterval = 0.5L;
  ShowSettings show;
  show.bpm = bpm;
  show.beatOffset = 1;
  return ShowTime(settings, show);
}

TEST(ShowTime, ConvertsBetweenListTimeAndVideoSeconds) {
  const ShowTime clock = Clock();
  EXPECT_EQ(clock.ListTime(2), 40);
  EXPECT_EQ(clock.VideoSeconds(40), 2);
  EXPECT_EQ(clock.FrameTime(1), 10);
  EXPECT_EQ(clock.FrameTime(61), 40);
  EXPECT_EQ(clock.FrameTime(-1), 9);
  EXPECT_EQ(clock.BeatLength(), 7.5L);
  EXPECT_EQ(clock.BeatTime(2), 40);
}

TEST(ShowTime, SnapsToABeatWithinReachElseToTheNearestFrame) {
  const struct {
    long double bpm, t, reach, snapped;
  } cases[] = {
      {120, 32.2L, 1, 32.5L},  // a beat within reach
      {120, 31.2L, 1, 31},     // too far from the beat: the nearest frame
      {120, 31.4L, 0, 31.5L},  // no reach: frames only
      {120, 20.0L, 10, 25},    // before the first beat: the first beat
      {0, 32.4L, 100, 32.5L},  // no grid without a BPM
      {120, 9.2L, 0, 9},       // frames before the first one
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Clock(c.bpm).Snap(c.t, c.reach), c.snapped)
        << static_cast<double>(c.t) << " reach " << static_cast<double>(c.reach);
  }
  EXPECT_FALSE(Clock(0).NearestBeat(30));
  LaunchSettings still;
  still.frameInterval = 0;
  EXPECT_FALSE(ShowTime(still, ShowSettings{}).HasBeats());
  EXPECT_EQ(ShowTime(still, ShowSettings{}).Snap(3.3L, 1), 3.3L);
}

TEST(ShowTime, WritesVideoTimeAsMinutesSecondsAndHundredths) {
  const struct {
    long double seconds;
    const char* text;
  } cases[] = {{0, "0:00.00"},
               {1.5L, "0:01.50"},
               {61.239L, "1:01.23"},
               {-0.5L, "-0:00.50"},
               {600, "10:00.00"}};
  for (const auto& c : cases) EXPECT_EQ(VideoTimeText(c.seconds), c.text);
}

}  // namespace
}  // namespace kirabel
