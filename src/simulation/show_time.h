#pragma once
// The show's two clocks: the list's time, in which sets are timed and frame k
// is drawn at ST + (k - 1) * IT, and the video's seconds, in which frame k is
// shown at (k - 1) / FPS and the soundtrack and the beats are placed. One
// second of video is FPS * IT of list time.
#include <cstdint>
#include <optional>
#include <string>

#include "model/launch_settings.h"
#include "model/show_settings.h"

namespace kirabel {

class ShowTime {
 public:
  ShowTime(const LaunchSettings& settings, const ShowSettings& show);

  // List time <-> video seconds (a launch whose interval is 0 stands still:
  // every list time is its first frame's second).
  long double ListTime(long double videoSeconds) const;
  long double VideoSeconds(long double listTime) const;

  // Frame k's list time, as the launch sums it for k >= 1.
  long double FrameTime(int64_t frame) const;
  // The frame whose time lies nearest to t (any whole number; 1 when the
  // interval is 0).
  int64_t NearestFrame(long double t) const;

  // Whether there is a beat grid in list time (a BPM and a moving launch).
  bool HasBeats() const { return beatLength_ > 0; }
  // One beat's length in list time; 0 without a grid.
  long double BeatLength() const { return beatLength_; }
  // Beat n's list time (n = 0 is the first beat).
  long double BeatTime(int64_t beat) const;
  // The beat nearest to t, never before the first; none without a grid.
  std::optional<int64_t> NearestBeat(long double t) const;

  // Where a time dragged to t lands: on a beat lying within beatReach of t,
  // else on the nearest frame time.
  long double Snap(long double t, long double beatReach) const;

 private:
  long double start_, interval_, perSecond_, firstBeat_, beatLength_;
};

// Video seconds as "m:ss.ff" (hundredths, cut), "-m:ss.ff" before the start.
std::string VideoTimeText(long double seconds);

}  // namespace kirabel
