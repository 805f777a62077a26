#pragma once
// Which frame a preview playing with its soundtrack shows at a moment of
// playback. Video time runs on from an anchor (a video time known at a
// reading of the system clock); a new reading of the sound's position that
// strays from it by more than half a frame becomes the anchor, so the
// pictures follow the sound and never drift from it, and between readings
// (or without sound) the system clock carries it on. Frame k is due from its video time (k - 1) /
// fps on; a frame due while the one before is still being drawn is simply not shown. A frame shown
// is never taken back for an earlier one, and past the last frame playback starts over at the
// first, as the rate-driven playback does.
#include <cstdint>

#include "simulation/video_clock.h"

namespace kirabel {

class PlaybackClock {
 public:
  // A rate that is no rate (nothing per second) counts as the default one.
  explicit PlaybackClock(FrameRate fps = {}) : video_(fps) {}

  // The video seconds at which frame (1-based) is shown.
  double FrameTime(int64_t frame) const;
  // The frame due at videoSeconds: the last one whose time has come (1 before
  // the first frame's time).
  int64_t FrameDue(double videoSeconds) const;

  // Playback starts, or the playhead jumps, at frame at systemSeconds.
  void Start(int64_t frame, double systemSeconds);
  // The sound was at video time videoSeconds at systemSeconds. Sound positions
  // are reported coarsely and unevenly: a reading equal to the last one tells
  // nothing new, and one within half a frame of the time running on is taken
  // as jitter, so that frames keep an even pace.
  void Follow(double videoSeconds, double systemSeconds);
  double VideoTime(double systemSeconds) const;

  struct Step {
    int64_t frame;  // to show now
    bool wrapped;   // started over at the first frame: the sound starts over too
  };
  // The frame to show at systemSeconds, of frameCount frames.
  Step Advance(double systemSeconds, int64_t frameCount);

 private:
  VideoClock video_;
  double anchorVideo_ = 0;
  double anchorSystem_ = 0;
  double lastReading_ = -1;
  bool hasReading_ = false;
  int64_t shown_ = 1;
};

}  // namespace kirabel
