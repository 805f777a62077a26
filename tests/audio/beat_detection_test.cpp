#include "audio/beat_detection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace kirabel {
namespace {

// Seconds of sound with a short 1 kHz click on every beat from `first` on.
std::vector<float> ClickTrack(double bpm, double first, double seconds) {
  std::vector<float> samples(static_cast<std::size_t>(seconds * kBeatSampleRate));
  for (double beat = first; beat < seconds; beat += 60 / bpm) {
    const auto start = static_cast<std::size_t>(std::lround(beat * kBeatSampleRate));
    for (std::size_t k = 0; k < kBeatSampleRate / 100 && start + k < samples.size(); ++k) {
      const double t = static_cast<double>(k) / kBeatSampleRate;
      samples[start + k] =
          static_cast<float>(0.8 * std::sin(2 * M_PI * 1000 * t) * std::exp(-t / 0.002));
    }
  }
  return samples;
}

TEST(BeatDetection, FindsTheTempoAndTheFirstClickOfAClickTrack) {
  const struct { double bpm, first; } tracks[] = {{120, 0.25}, {97, 0.6}, {140, 0.1}, {90, 2.0}};
  for (const auto& track : tracks) {
    SCOPED_TRACE(testing::Message() << track.bpm << " BPM from " << track.first << " s");
    const std::optional<BeatEstimate> estimate =
        DetectBeats(ClickTrack(track.bpm, track.first, 30), kBeatSampleRate);
    ASSERT_TRUE(estimate);
    EXPECT_NEAR(estimate->bpm, track.bpm, 0.1);
    EXPECT_NEAR(estimate->firstBeatSeconds, track.first, 0.02);
  }
}

// A low thump on every beat from `first` on and a short hiss on every
// off-beat, over a quiet chord: trackers like to follow the hiss.
std::vector<float> KickAndHatTrack(double bpm, double first, double seconds) {
  std::vector<float> samples(static_cast<std::size_t>(seconds * kBeatSampleRate));
  std::mt19937 noise(1);
  const double period = 60 / bpm;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = static_cast<double>(i) / kBeatSampleRate;
    if (t < first) continue;
    const double sinceBeat = std::fmod(t - first, period);
    const double sinceOffBeat = std::fmod(t - first + period / 2, period);
    const double hiss = static_cast<double>(noise()) / noise.max() - 0.5;
    samples[i] = static_cast<float>(
        0.1 * std::sin(2 * M_PI * 220 * t) + 0.08 * std::sin(2 * M_PI * 277 * t) +
        0.6 * std::sin(2 * M_PI * 55 * sinceBeat) * std::exp(-sinceBeat / 0.08) +
        0.3 * hiss * std::exp(-sinceOffBeat / 0.01));
  }
  return samples;
}

TEST(BeatDetection, PutsTheBeatsOnTheThumpsNotOnTheOffBeats) {
  for (double bpm : {100.0, 128.0}) {
    SCOPED_TRACE(testing::Message() << bpm << " BPM");
    const std::optional<BeatEstimate> estimate =
        DetectBeats(KickAndHatTrack(bpm, 0.4, 30), kBeatSampleRate);
    ASSERT_TRUE(estimate);
    EXPECT_NEAR(estimate->bpm, bpm, 0.1);
    EXPECT_NEAR(estimate->firstBeatSeconds, 0.4, 0.02);
  }
}

TEST(BeatDetection, SilenceOrAFewClicksHaveNoBeat) {
  EXPECT_FALSE(DetectBeats(std::vector<float>(kBeatSampleRate * 10), kBeatSampleRate));
  EXPECT_FALSE(DetectBeats(ClickTrack(60, 0.5, 2), kBeatSampleRate));
  EXPECT_FALSE(DetectBeats({}, kBeatSampleRate));
  EXPECT_FALSE(DetectBeats(ClickTrack(120, 0, 10), kBeatSampleRate, [] { return false; }));
}

// Beats at 0.25 + 0.5 n as a tracker reports them: some missed, one on an
// off-beat (the first one too), each a few milliseconds off, with a tempo a
// little wrong.
TEST(BeatDetection, FitsTheGridAcrossMissedBeatsAndOffBeats) {
  const std::vector<double> beats = {1.5, 2.248, 2.753,  4.751,  5.249,
                                     7.0, 8.252, 10.752, 25.748, 60.251};
  const std::optional<BeatEstimate> estimate = FitBeatGrid(beats, 60 / 121.5, 0.25);
  ASSERT_TRUE(estimate);
  EXPECT_NEAR(estimate->bpm, 120, 0.01);
  EXPECT_NEAR(estimate->firstBeatSeconds, 0.25, 0.003);
  EXPECT_FALSE(FitBeatGrid({1.0, 1.5, 2.0}, 0.5, 0));
  EXPECT_FALSE(FitBeatGrid(beats, 0, 0));
}

}  // namespace
}  // namespace kirabel
