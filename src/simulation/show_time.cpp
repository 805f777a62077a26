#include "simulation/show_time.h"

#include <cmath>
#include <cstdio>

namespace kirabel {

ShowTime::ShowTime(const LaunchSettings& settings, const ShowSettings& show)
    : VideoClock(show.fps, settings.startTime, settings.frameInterval),
      firstBeat_(ListTime(show.beatOffset)),
      beatLength_(0) {
  if (show.bpm > 0 && ListTimePerSecond() > 0) beatLength_ = 60 / show.bpm * ListTimePerSecond();
}

long double ShowTime::BeatTime(int64_t beat) const {
  return firstBeat_ + static_cast<long double>(beat) * beatLength_;
}

std::optional<int64_t> ShowTime::NearestBeat(long double t) const {
  if (!HasBeats()) return std::nullopt;
  const int64_t beat = RoundedCount((t - firstBeat_) / beatLength_);
  return beat < 0 ? 0 : beat;
}

long double ShowTime::Snap(long double t, long double beatReach) const {
  if (const std::optional<int64_t> beat = NearestBeat(t)) {
    const long double onBeat = BeatTime(*beat);
    if (std::fabs(onBeat - t) <= beatReach) return onBeat;
  }
  return Interval() != 0 ? FrameTime(NearestFrame(t)) : t;
}

std::string VideoTimeText(long double seconds) {
  const bool negative = seconds < 0;
  const int64_t hundredths =
      RoundedCount(std::floor(std::fabs(seconds) * 100 + 1e-9L));  // cut, not rounded up
  char text[48];
  std::snprintf(text, sizeof text, "%s%lld:%02lld.%02lld", negative ? "-" : "",
                static_cast<long long>(hundredths / 6000),
                static_cast<long long>(hundredths / 100 % 60),
                static_cast<long long>(hundredths % 100));
  return text;
}

}  // namespace kirabel
