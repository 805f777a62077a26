#include "cli/frame_selection.h"

#include <algorithm>
#include <cstdlib>

namespace kirabel::cli {

namespace {

// A whole number of decimal digits only, at least 1.
std::optional<int64_t> ParsePositive(const std::string& text) {
  if (text.empty() || text.size() > 18 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const int64_t value = std::strtoll(text.c_str(), nullptr, 10);
  return value >= 1 ? std::optional<int64_t>(value) : std::nullopt;
}

// The two numbers around `separator`.
bool SplitPair(const std::string& text, char separator, int64_t& a, int64_t& b) {
  const std::size_t at = text.find(separator);
  if (at == std::string::npos) return false;
  const auto first = ParsePositive(text.substr(0, at));
  const auto second = ParsePositive(text.substr(at + 1));
  if (!first || !second || *first > *second) return false;
  a = *first;
  b = *second;
  return true;
}

}  // namespace

std::optional<FrameRange> ParseFrameRange(const std::string& text) {
  FrameRange range;
  if (!SplitPair(text, '-', range.first, range.last)) return std::nullopt;
  return range;
}

std::optional<Shard> ParseShard(const std::string& text) {
  Shard shard;
  if (!SplitPair(text, '/', shard.index, shard.count)) return std::nullopt;
  return shard;
}

FrameRange SelectFrames(int64_t frameCount, const std::optional<FrameRange>& range,
                        const std::optional<Shard>& shard) {
  FrameRange selected{1, frameCount};
  if (range) selected = {range->first, std::min(range->last, frameCount)};
  if (!shard || selected.first > selected.last) return selected;
  const int64_t frames = selected.last - selected.first + 1;
  const int64_t base = frames / shard->count;
  const int64_t longer = frames % shard->count;  // the first chunks take one frame more
  const int64_t before = shard->index - 1;
  const int64_t first = selected.first + before * base + std::min(before, longer);
  const int64_t length = base + (before < longer ? 1 : 0);
  return {first, first + length - 1};
}

}  // namespace kirabel::cli
