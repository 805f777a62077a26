#include "audio/waveform_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kirabel {
namespace {

struct OutlineCase {
  const char* name;
  std::vector<float> samples;
  int samplesPerBucket;
  std::vector<float> low, high;
};

TEST(WaveformBuilder, KeepsEachBucketsLowestAndHighestSampleWhereverThePiecesSplit) {
  const OutlineCase cases[] = {
      {"whole buckets", {0.5f, -0.25f, 0.1f, 0.2f}, 2, {-0.25f, 0.1f}, {0.5f, 0.2f}},
      {"a last bucket not filled", {0.3f, 0.1f, -0.7f}, 2, {0.1f, -0.7f}, {0.3f, -0.7f}},
      {"beyond full scale", {2.0f, -3.0f, 0.0f}, 3, {-1.0f}, {1.0f}},
      {"a NaN is silence", {NAN, 0.5f}, 2, {0.0f}, {0.5f}},
      {"no bucket size", {0.2f, -0.2f}, 0, {0.2f, -0.2f}, {0.2f, -0.2f}},
      {"nothing", {}, 4, {}, {}},
  };
  for (const OutlineCase& c : cases) {
    for (std::size_t split = 0; split <= c.samples.size(); ++split) {
      SCOPED_TRACE(testing::Message() << c.name << ", split at " << split);
      WaveformBuilder builder(8000, c.samplesPerBucket);
      builder.add(c.samples.data(), split);
      builder.add(c.samples.data() + split, c.samples.size() - split);
      EXPECT_EQ(builder.waveform().low, c.low);
      EXPECT_EQ(builder.waveform().high, c.high);
    }
  }
}

TEST(WaveformBuilder, BucketsLastTheirSamplesAtTheRate) {
  EXPECT_DOUBLE_EQ(WaveformBuilder(8000, 32).waveform().bucketSeconds, 0.004);
  EXPECT_DOUBLE_EQ(WaveformBuilder(0, 1).waveform().bucketSeconds, 1.0);
}

}  // namespace
}  // namespace kirabel
