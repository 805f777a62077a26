#pragma once
// The outline of a soundtrack for drawing: the lowest and the highest sample
// (of all channels, in -1 .. 1) of every bucket of `bucketSeconds`, the first
// bucket starting at the soundtrack's first sample.
#include <cstddef>
#include <vector>

namespace kirabel {

struct Waveform {
  double bucketSeconds = 0;
  std::vector<float> low;
  std::vector<float> high;

  std::size_t size() const { return low.size(); }
  double seconds() const { return bucketSeconds * static_cast<double>(low.size()); }
};

}  // namespace kirabel
