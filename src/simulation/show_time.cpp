#include "simulation/show_time.h"

#include <cmath>
#include <cstdio>

#include "simulation/frame_clock.h"

namespace kirabel {

namespace {

long double FramesPerSecond(const FrameRate& rate) {
  return rate.denominator > 0
             ? static_cast<long double>(rate.numerator) / static_cast<long double>(rate.denominator)
             : 0;
}

// Rounds to a whole number that fits into an int64_t.
int64_t RoundedCount(long double x) {
  constexpr long double kLimit = 9.0e18L;
  if (!(x == x)) return 0;
  return static_cast<int64_t>(std::llround(std::fmax(-kLimit, std::fmin(kLimit, x))));
}

}  // namespace

ShowTime::ShowTime(const LaunchSettings& settings, const ShowSettings& show)
    : start_(settings.startTime),
      interval_(settings.frameInterval),
      perSecond_(FramesPerSecond(show.fps) * settings.frameInterval),
      firstBeat_(0),
      beatLength_(0) {
  firstBeat_ = ListTime(show.beatOffset);
  if (show.bpm > 0 && perSecond_ > 0) beatLength_ = 60 / show.bpm * perSecond_;
}

long double ShowTime::ListTime(long double videoSeconds) const {
  return start_ + videoSeconds * perSecond_;
}

long double ShowTime::VideoSeconds(long double listTime) const {
  return perSecond_ != 0 ? (listTime - start_) / perSecond_ : 0;
}

long double ShowTime::FrameTime(int64_t frame) const {
  if (frame >= 1) return FrameClock(start_, interval_).Time(frame);
  return start_ + static_cast<long double>(frame - 1) * interval_;
}

int64_t ShowTime::NearestFrame(long double t) const {
  if (interval_ == 0) return 1;
  return RoundedCount((t - start_) / interval_) + 1;
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
  return interval_ != 0 ? FrameTime(NearestFrame(t)) : t;
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
