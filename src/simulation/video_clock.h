#pragma once
// The one conversion between a launch's frames, its list time and the video's
// seconds. Frame k is drawn at list time ST + (k - 1) * IT, the interval added
// frame by frame as the launch adds it (FrameClock), and shown at video second
// (k - 1) / rate, the rate's exact fraction. One second of video is rate * IT
// of list time.
#include <cstdint>

#include "model/frame_rate.h"
#include "simulation/frame_clock.h"

namespace kirabel {

// Rounds to the nearest whole number that fits into an int64_t; 0 for NaN.
int64_t RoundedCount(long double x);

class VideoClock {
 public:
  // A rate that is no rate (nothing per second) counts as the default one.
  // Without launch settings frame k's list time is k.
  explicit VideoClock(FrameRate rate = {}, long double start = 1, long double interval = 1);

  const FrameRate& Rate() const { return rate_; }
  long double FramesPerSecond() const;
  long double SecondsPerFrame() const;
  long double Start() const { return start_; }
  long double Interval() const { return interval_; }
  // List time that passes in one second of video (0 for a launch that stands still).
  long double ListTimePerSecond() const { return listTimePerSecond_; }

  // Frames <-> video seconds.
  // The video second at which frame (any whole number) is shown.
  long double FrameSeconds(int64_t frame) const;
  // How long count frames are shown.
  long double SecondsOfFrames(int64_t count) const;
  // How many frames (with their fraction) are shown in seconds.
  long double FramesIn(long double seconds) const;
  // The frames needed to show until seconds have passed, whole ones (ceil).
  long double FramesCovering(long double seconds) const;
  // The frame due at seconds: the last one whose time has come, 1 before the
  // first frame's time (and for NaN).
  int64_t FrameDue(long double seconds) const;

  // Frames <-> list time.
  // Frame's list time, as the launch sums it for frames from 1 on (and
  // continued backwards below 1).
  long double FrameTime(int64_t frame) const;
  // The frame whose time lies nearest to t (any whole number; 1 when the
  // interval is 0).
  int64_t NearestFrame(long double t) const;
  // The frame of frameCount whose time is exactly t, else 0.
  int64_t FrameAt(long double t, int64_t frameCount) const;

  // List time <-> video seconds (a launch whose interval is 0 stands still:
  // every list time is its first frame's second).
  long double ListTime(long double videoSeconds) const;
  long double VideoSeconds(long double listTime) const;

 private:
  FrameRate rate_;
  long double start_, interval_, listTimePerSecond_;
  FrameClock frames_;
};

}  // namespace kirabel
