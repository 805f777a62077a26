// The clock of playback with a soundtrack: which frame is due, following the
// sound's readings, never going back, starting over past the last frame, and
// no drift over a minute of coarse, late sound readings.
#include "ui/preview/playback_clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace kirabel {
namespace {

TEST(PlaybackClockTest, EachFrameIsDueFromItsOwnVideoTime) {
  for (const FrameRate fps : {FrameRate{30, 1}, FrameRate{30000, 1001}, FrameRate{25, 2}}) {
    const PlaybackClock clock(fps);
    for (int64_t frame : {1, 2, 3, 29, 30, 31, 1000, 107892, 10000000}) {
      const double time = clock.FrameTime(frame);
      EXPECT_EQ(clock.FrameDue(time), frame) << fps.numerator << "/" << fps.denominator;
      EXPECT_EQ(clock.FrameDue(time - 1e-5), std::max<int64_t>(frame - 1, 1)) << frame;
    }
  }
  EXPECT_EQ(PlaybackClock({30, 1}).FrameDue(-3), 1);
  EXPECT_EQ(PlaybackClock({30, 1}).FrameDue(std::nan("")), 1);
  EXPECT_EQ(PlaybackClock({0, 1}).FrameDue(1), 31);  // no rate: the default one
}

TEST(PlaybackClockTest, AdvancesByTheClockAndStartsOverPastTheLastFrame) {
  struct Case {
    int64_t startFrame;
    double seconds;  // since the start
    int64_t frame;
    bool wrapped;
  };
  // 30 frames a second, 10 frames: frame 11 would be due at 1/3 s.
  const Case cases[] = {
      {1, 0, 1, false},      {1, 0.1, 4, false},   {1, 0.32, 10, false},
      {1, 0.34, 1, true},    {1, 0.37, 2, true},   {5, 0.05, 6, false},
      {10, 0.01, 10, false}, {10, 0.034, 1, true}, {1, 1000, 1, true},
  };
  for (const Case& c : cases) {
    PlaybackClock clock({30, 1});
    clock.Start(c.startFrame, 100);
    const PlaybackClock::Step step = clock.Advance(100 + c.seconds, 10);
    EXPECT_EQ(step.frame, c.frame) << c.startFrame << " + " << c.seconds;
    EXPECT_EQ(step.wrapped, c.wrapped) << c.startFrame << " + " << c.seconds;
  }
}

TEST(PlaybackClockTest, FollowsTheSoundAndNeverGoesBack) {
  PlaybackClock clock({10, 1});
  clock.Start(1, 0);
  EXPECT_EQ(clock.Advance(0.55, 100).frame, 6);
  clock.Follow(0.2, 0.55);  // the sound lags: the frame shown stays
  EXPECT_EQ(clock.Advance(0.6, 100).frame, 6);
  EXPECT_EQ(clock.Advance(0.95, 100).frame, 7);  // 0.2 + 0.4 s
  clock.Follow(2.0, 1.0);                        // the sound is ahead: the pictures catch up
  EXPECT_EQ(clock.Advance(1.0, 100).frame, 21);
  clock.Follow(2.0, 1.5);  // the same reading again tells nothing new
  EXPECT_EQ(clock.Advance(1.5, 100).frame, 26);
  clock.Follow(2.56, 1.6);  // within half a frame: jitter, the pace stays even
  EXPECT_EQ(clock.Advance(1.6, 100).frame, 27);
  clock.Start(3, 2);  // a jump back
  EXPECT_EQ(clock.Advance(2, 100).frame, 3);
}

// A minute of playback with a system clock 0.2 % fast, the sound's position
// read every 5 ms but reported only in steps of 20 ms, and the due frame
// shown at once: the frame stays within one frame of the sound heard.
TEST(PlaybackClockTest, StaysWithTheSoundForAMinute) {
  const FrameRate fps{30000, 1001};
  PlaybackClock clock(fps);
  clock.Start(1, 0);
  int64_t worst = 0;
  for (int tick = 1; tick <= 60 * 200; ++tick) {
    const double soundSeconds = tick * 0.005;
    const double systemSeconds = soundSeconds * 1.002;
    clock.Follow(std::floor(soundSeconds / 0.02) * 0.02, systemSeconds);
    const int64_t shown = clock.Advance(systemSeconds, 1000000).frame;
    worst = std::max<int64_t>(worst, std::llabs(shown - clock.FrameDue(soundSeconds)));
  }
  EXPECT_LE(worst, 1);
}

}  // namespace
}  // namespace kirabel
