#pragma once
// The times of a launch's frames: frame 1 at the start time, each later frame
// the interval after the one before, summed frame by frame (rounding after
// every addition) as a run from the first frame adds them. Any frame's time
// is found in a few hundred additions at most, however far it lies; the time
// of the frame asked for last is kept, so asking in order costs one addition
// a frame.
#include <cstdint>

namespace kirabel {

class FrameClock {
 public:
  FrameClock(long double start, long double interval) : start_(start), interval_(interval) {}

  // The time of frame (1-based; below 1 counts as 1).
  long double Time(int64_t frame) const;
  // The frame whose time is exactly t, or 0 when t falls between frames.
  int64_t FrameAt(long double t, int64_t frameCount) const;

 private:
  // `time` plus `steps` intervals, added one at a time.
  long double Advance(long double time, int64_t steps) const;

  long double start_, interval_;
  mutable int64_t frame_ = 1;  // the frame asked for last
  mutable long double time_ = start_;
};

}  // namespace kirabel
