#pragma once
// The show's clocks with its beat grid: the video clock of the launch at the
// show's rate (list time, frames and video seconds), and the beats, placed in
// video seconds and found in list time.
#include <cstdint>
#include <optional>
#include <string>

#include "model/launch_settings.h"
#include "model/show_settings.h"
#include "simulation/video_clock.h"

namespace kirabel {

class ShowTime : public VideoClock {
 public:
  ShowTime(const LaunchSettings& settings, const ShowSettings& show);

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
  long double firstBeat_, beatLength_;
};

// Video seconds as "m:ss.ff" (hundredths, cut), "-m:ss.ff" before the start.
std::string VideoTimeText(long double seconds);

}  // namespace kirabel
