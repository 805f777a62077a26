#include "simulation/frame_clock.h"

#include <algorithm>
#include <cmath>

namespace kirabel {

long double FrameClock::Time(int64_t frame) const {
  frame = std::max<int64_t>(frame, 1);
  if (frame < frame_) {
    frame_ = 1;
    time_ = start_;
  }
  for (; frame_ < frame; ++frame_) time_ = time_ + interval_;
  return time_;
}

int64_t FrameClock::FrameAt(long double t, int64_t frameCount) const {
  if (frameCount < 1) return 0;
  if (interval_ == 0) return t == start_ ? 1 : 0;
  const long double nearest = std::round((t - start_) / interval_) + 1;
  if (!(nearest >= 1) || nearest > static_cast<long double>(frameCount)) return 0;
  const auto frame = static_cast<int64_t>(nearest);
  return Time(frame) == t ? frame : 0;
}

}  // namespace kirabel
