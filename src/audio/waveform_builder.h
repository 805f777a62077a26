#pragma once
// Reduces a soundtrack's samples to its outline: fed in pieces of any length,
// it keeps the lowest and the highest sample of every bucket, so that a long
// soundtrack never needs to be held in memory whole.
#include <cstddef>

#include "audio/waveform.h"

namespace kirabel {

// The soundtrack's outline is made at a modest rate, in buckets of 4 ms.
constexpr int kWaveformSampleRate = 8000;
constexpr int kWaveformBucketSamples = 32;

class WaveformBuilder {
 public:
  // Buckets of samplesPerBucket samples (at least 1) taken at sampleRate.
  WaveformBuilder(int sampleRate, int samplesPerBucket);

  // Samples outside -1 .. 1 count as the nearest end, a NaN as silence.
  void add(const float* samples, std::size_t count);
  // The outline of every sample added; a last bucket not filled counts too.
  const Waveform& waveform() const { return waveform_; }

 private:
  Waveform waveform_;
  std::size_t samplesPerBucket_;
  std::size_t inBucket_ = 0;  // samples already in the last bucket
};

}  // namespace kirabel
