#include "ui/preview/playback_clock.h"

#include <algorithm>
#include <cmath>

namespace kirabel {

double PlaybackClock::FrameTime(int64_t frame) const {
  return static_cast<double>(video_.FrameSeconds(std::max<int64_t>(frame, 1)));
}

int64_t PlaybackClock::FrameDue(double videoSeconds) const {
  return video_.FrameDue(videoSeconds);
}

void PlaybackClock::Start(int64_t frame, double systemSeconds) {
  shown_ = std::max<int64_t>(frame, 1);
  anchorVideo_ = FrameTime(shown_);
  anchorSystem_ = systemSeconds;
  hasReading_ = false;
}

void PlaybackClock::Follow(double videoSeconds, double systemSeconds) {
  if (hasReading_ && videoSeconds == lastReading_) return;
  hasReading_ = true;
  lastReading_ = videoSeconds;
  if (std::abs(videoSeconds - VideoTime(systemSeconds)) <= FrameTime(2) / 2) return;
  anchorVideo_ = videoSeconds;
  anchorSystem_ = systemSeconds;
}

double PlaybackClock::VideoTime(double systemSeconds) const {
  return anchorVideo_ + (systemSeconds - anchorSystem_);
}

PlaybackClock::Step PlaybackClock::Advance(double systemSeconds, int64_t frameCount) {
  const double now = VideoTime(systemSeconds);
  const int64_t due = std::max(FrameDue(now), shown_);
  if (due <= frameCount) {
    shown_ = due;
    return {shown_, false};
  }
  // The time past the end carries over into the next round, so that the
  // system clock loses nothing at the turn.
  double over = now - FrameTime(frameCount + 1);
  if (!(over >= 0 && over < FrameTime(frameCount + 1))) over = 0;
  shown_ = FrameDue(over);
  anchorVideo_ = over;
  anchorSystem_ = systemSeconds;
  hasReading_ = false;
  return {shown_, true};
}

}  // namespace kirabel
