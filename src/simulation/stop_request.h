#pragma once
// Stopping a launch at any point: while its particles are built and while a
// frame is drawn, on one thread or several. The work asks a StopRequest
// every so much work, so that a stop is answered within a fraction of a
// second however heavy the launch, at the cost of an occasional call.
#include <cstdint>
#include <functional>

namespace kirabel {

// Whether the work should stop now. It is asked from every thread at work,
// so it must be safe to call from any thread and cheap (the read of a flag).
// An empty request never stops. Once true it should stay true.
using StopRequest = std::function<bool()>;

// Counts units of work on one thread and asks the request once at least
// kUnitsPerCheck have been done since it last asked. A unit is about a
// plotted point of a frame or a particle of a build: a few hundred
// nanoseconds at most, so that the request is asked every few milliseconds.
class StopPoller {
 public:
  static constexpr int64_t kUnitsPerCheck = 16384;

  explicit StopPoller(const StopRequest& request) : request_(request) {}

  // Counts units done; true when the request, asked now, says to stop.
  bool Poll(int64_t units = 1) {
    units_ += units;
    if (units_ < kUnitsPerCheck) return false;
    units_ = 0;
    return request_ && request_();
  }

 private:
  const StopRequest& request_;
  int64_t units_ = 0;
};

}  // namespace kirabel
