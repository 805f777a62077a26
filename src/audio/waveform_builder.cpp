#include "audio/waveform_builder.h"

#include <algorithm>
#include <cmath>

namespace kirabel {

WaveformBuilder::WaveformBuilder(int sampleRate, int samplesPerBucket)
    : samplesPerBucket_(static_cast<std::size_t>(std::max(samplesPerBucket, 1))) {
  waveform_.bucketSeconds =
      static_cast<double>(samplesPerBucket_) / static_cast<double>(std::max(sampleRate, 1));
}

void WaveformBuilder::add(const float* samples, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const float sample = std::isnan(samples[i]) ? 0.0f : std::clamp(samples[i], -1.0f, 1.0f);
    if (inBucket_ == 0) {
      waveform_.low.push_back(sample);
      waveform_.high.push_back(sample);
    } else {
      waveform_.low.back() = std::min(waveform_.low.back(), sample);
      waveform_.high.back() = std::max(waveform_.high.back(), sample);
    }
    inBucket_ = (inBucket_ + 1) % samplesPerBucket_;
  }
}

}  // namespace kirabel
