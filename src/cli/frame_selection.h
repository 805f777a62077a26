#pragma once
// Which frames of a launch one run of kirabel-render draws, so that a long
// sequence can be split over many runs (on one machine or a farm) with the
// same files as one run: a range of frames, and within it the I-th of N
// contiguous chunks, as even as possible (the first ones one frame longer).
#include <cstdint>
#include <optional>
#include <string>

namespace kirabel::cli {

struct FrameRange {
  int64_t first = 1;
  int64_t last = 0;  // first > last: no frame
};

struct Shard {
  int64_t index = 1;  // 1-based
  int64_t count = 1;
};

// "A-B" with 1 <= A <= B; nothing when malformed.
std::optional<FrameRange> ParseFrameRange(const std::string& text);
// "I/N" with 1 <= I <= N; nothing when malformed.
std::optional<Shard> ParseShard(const std::string& text);

// The frames of a launch of `frameCount` frames that a run draws: the range
// (the whole launch when none is given, cut to the launch), then the shard of it.
FrameRange SelectFrames(int64_t frameCount, const std::optional<FrameRange>& range,
                        const std::optional<Shard>& shard);

}  // namespace kirabel::cli
