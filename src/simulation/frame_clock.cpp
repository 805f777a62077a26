#include "simulation/frame_clock.h"

#include <algorithm>
#include <cmath>

namespace kirabel {

namespace {

// The powers of two around |t|: lower <= |t| < upper. Within them every
// value is a multiple of one unit in the last place.
struct Binade {
  long double lower, upper;
};

bool BinadeOf(long double t, Binade& binade) {
  if (t == 0 || !std::isfinite(t)) return false;
  int exponent = 0;
  std::frexp(t, &exponent);
  binade = {std::ldexp(1.0L, exponent - 1), std::ldexp(1.0L, exponent)};
  return true;
}

bool SameBinade(long double a, long double b) {
  Binade x{}, y{};
  return (a < 0) == (b < 0) && BinadeOf(a, x) && BinadeOf(b, y) && x.lower == y.lower;
}

// How many more steps of `step` from t certainly keep every sum t + d (and
// the time reached) inside t's binade, where each addition rounds to the
// same unit and so moves the time by exactly `step`.
int64_t StepsInsideBinade(long double t, long double step, long double interval) {
  Binade binade{};
  if (!BinadeOf(t, binade)) return 0;
  const long double magnitude = std::fabs(t),
                    room = (t < 0) == (step < 0) ? binade.upper - magnitude - std::fabs(interval)
                                                 : magnitude - std::fabs(interval) - binade.lower;
  const long double steps = std::floor(room / std::fabs(step));
  if (!(steps >= 4)) return 0;
  const long double safe = steps - 2 - steps / 0x1p40L;  // room for rounding in the division
  return safe >= 9e18L ? INT64_MAX : static_cast<int64_t>(safe);
}

}  // namespace

// Adding a fixed interval to a time rounds every sum to the unit in the last
// place of the time's binade. Inside one binade the rounding only depends on
// whether the time is an even or odd multiple of that unit, so once two
// steps in a row moved the time by the same amount, every further step inside
// the binade moves it by that amount again. Such runs are taken in one
// multiplication (exact: the result is a multiple of the unit inside the
// binade); the few steps across a binade's edge are added one by one. The
// result is bit for bit the frame-by-frame sum.
long double FrameClock::Advance(long double time, int64_t steps) const {
  long double lastStep = 0;
  int sameSteps = 0;
  while (steps > 0) {
    const long double next = time + interval_;
    const long double step = next - time;
    --steps;
    if (next == time || std::isnan(next)) return next;  // no step changes it any more
    sameSteps = step == lastStep && SameBinade(time, next) ? sameSteps + 1 : 0;
    lastStep = step;
    time = next;
    if (sameSteps < 2) continue;
    const int64_t run = std::min(steps, StepsInsideBinade(time, step, interval_));
    time += static_cast<long double>(run) * step;
    steps -= run;
    sameSteps = 0;
  }
  return time;
}

long double FrameClock::Time(int64_t frame) const {
  frame = std::max<int64_t>(frame, 1);
  if (frame < frame_) {
    frame_ = 1;
    time_ = start_;
  }
  time_ = frame == frame_ + 1 ? time_ + interval_ : Advance(time_, frame - frame_);
  frame_ = frame;
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
