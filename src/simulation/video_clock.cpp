#include "simulation/video_clock.h"

#include <cmath>

namespace kirabel {

namespace {

// A frame's time computed back from its number may round a hair below it;
// a frame is due this much early rather than one reading late.
constexpr long double kDueEarly = 1e-7L;

FrameRate RateOrDefault(FrameRate rate) {
  return rate.numerator > 0 && rate.denominator > 0 ? rate : FrameRate{};
}

}  // namespace

int64_t RoundedCount(long double x) {
  constexpr long double kLimit = 9.0e18L;
  if (!(x == x)) return 0;
  return static_cast<int64_t>(std::llround(std::fmax(-kLimit, std::fmin(kLimit, x))));
}

VideoClock::VideoClock(FrameRate rate, long double start, long double interval)
    : rate_(RateOrDefault(rate)),
      start_(start),
      interval_(interval),
      listTimePerSecond_(FramesPerSecond() * interval),
      frames_(start, interval) {}

long double VideoClock::FramesPerSecond() const {
  return static_cast<long double>(rate_.numerator) / static_cast<long double>(rate_.denominator);
}

long double VideoClock::SecondsPerFrame() const {
  return static_cast<long double>(rate_.denominator) / static_cast<long double>(rate_.numerator);
}

long double VideoClock::FrameSeconds(int64_t frame) const {
  return SecondsOfFrames(frame - 1);
}

long double VideoClock::SecondsOfFrames(int64_t count) const {
  return static_cast<long double>(count) * SecondsPerFrame();
}

long double VideoClock::FramesIn(long double seconds) const {
  return seconds * static_cast<long double>(rate_.numerator) /
         static_cast<long double>(rate_.denominator);
}

long double VideoClock::FramesCovering(long double seconds) const {
  return std::ceil(FramesIn(seconds));
}

int64_t VideoClock::FrameDue(long double seconds) const {
  const long double frames = FramesIn(seconds) + kDueEarly;
  if (!(frames > 0)) return 1;  // also NaN
  if (frames >= 9e18L) return INT64_MAX;
  return static_cast<int64_t>(std::floor(frames)) + 1;
}

long double VideoClock::FrameTime(int64_t frame) const {
  if (frame >= 1) return frames_.Time(frame);
  return start_ + static_cast<long double>(frame - 1) * interval_;
}

int64_t VideoClock::NearestFrame(long double t) const {
  if (interval_ == 0) return 1;
  return RoundedCount((t - start_) / interval_) + 1;
}

int64_t VideoClock::FrameAt(long double t, int64_t frameCount) const {
  return frames_.FrameAt(t, frameCount);
}

long double VideoClock::ListTime(long double videoSeconds) const {
  return start_ + videoSeconds * listTimePerSecond_;
}

long double VideoClock::VideoSeconds(long double listTime) const {
  return listTimePerSecond_ != 0 ? (listTime - start_) / listTimePerSecond_ : 0;
}

}  // namespace kirabel
