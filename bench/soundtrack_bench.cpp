// What a ten-minute soundtrack costs: its outline (decoded by ffmpeg at the
// outline's rate and reduced to buckets) and its beats (decoded at the beat
// tracker's rate, then tracked), as the window works them out in the
// background. The soundtrack is made once with ffmpeg: a tone and noise under
// clicks at 120 beats per minute, as FLAC.
#include <benchmark/benchmark.h>

#include <QProcess>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/beat_detection.h"
#include "audio/waveform_builder.h"
#include "picture_io/soundtrack_decoder.h"

namespace kirabel::bench {
namespace {

const std::string& TenMinuteSoundtrack() {
  static const std::string path = [] {
    const std::string file =
        (std::filesystem::temp_directory_path() / "kirabel-bench-soundtrack.flac").string();
    const QString clicks =
        QStringLiteral("aevalsrc=0.6*sin(2*PI*1000*t)*exp(-mod(t\\,0.5)/0.003):s=44100:d=600");
    QProcess::execute(
        QStringLiteral("ffmpeg"),
        {"-v", "error", "-y", "-f", "lavfi", "-i", clicks, "-f", "lavfi", "-i",
         "sine=f=220:d=600:r=44100", "-f", "lavfi", "-i", "anoisesrc=d=600:r=44100:a=0.05",
         "-filter_complex", "amix=inputs=3", QString::fromStdString(file)});
    return file;
  }();
  return path;
}

std::vector<float> Decoded(int sampleRate) {
  std::vector<float> samples;
  DecodeSoundtrack(TenMinuteSoundtrack(), sampleRate, [&](const float* piece, std::size_t count) {
    samples.insert(samples.end(), piece, piece + count);
    return true;
  });
  return samples;
}

void BM_WaveformOfTenMinutes(benchmark::State& state) {
  TenMinuteSoundtrack();
  for (auto _ : state) {
    WaveformBuilder builder(kWaveformSampleRate, kWaveformBucketSamples);
    DecodeSoundtrack(TenMinuteSoundtrack(), kWaveformSampleRate,
                     [&](const float* samples, std::size_t count) {
                       builder.add(samples, count);
                       return true;
                     });
    benchmark::DoNotOptimize(builder.waveform().size());
  }
}
BENCHMARK(BM_WaveformOfTenMinutes)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_BeatsOfTenMinutes(benchmark::State& state) {
  TenMinuteSoundtrack();
  for (auto _ : state) {
    const std::vector<float> samples = Decoded(kBeatSampleRate);
    benchmark::DoNotOptimize(DetectBeats(samples, kBeatSampleRate));
  }
}
BENCHMARK(BM_BeatsOfTenMinutes)->Unit(benchmark::kMillisecond)->Iterations(3);

// The tracker alone, on samples decoded beforehand.
void BM_BeatTrackerOnTenMinutes(benchmark::State& state) {
  const std::vector<float> samples = Decoded(kBeatSampleRate);
  for (auto _ : state) benchmark::DoNotOptimize(DetectBeats(samples, kBeatSampleRate));
}
BENCHMARK(BM_BeatTrackerOnTenMinutes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kirabel::bench
