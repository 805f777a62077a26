#include "audio/beat_detection.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace kirabel {

namespace {

// aubio's tracker looks at windows of about 12 ms, every 6 ms.
constexpr double kHopSeconds = 128.0 / kBeatSampleRate;
// Hops between two questions whether to go on.
constexpr std::size_t kHopsBetweenChecks = 4096;
// The sound starts with its first sample of a tenth of its peak.
constexpr float kSoundStartShareOfPeak = 0.1f;
// Beats found further than this share of a period off the grid are left out
// of the fit (a syncopated hit, a beat placed on the off-beat).
constexpr double kOffGridShare = 0.25;
constexpr std::size_t kFewestBeats = 4;
// The sound right after a beat, for telling beats from off-beats.
constexpr double kAttackSeconds = 0.06;
constexpr double kSlowestBpm = 20;
constexpr double kFastestBpm = 400;

struct TempoDeleter {
  void operator()(aubio_tempo_t* tempo) const { del_aubio_tempo(tempo); }
};
struct VectorDeleter {
  void operator()(fvec_t* vector) const { del_fvec(vector); }
};

struct TrackedBeats {
  std::vector<double> beats;  // seconds, ascending
  double bpm = 0;             // the tracker's own estimate
};

// A power of two near the hop's seconds at this rate.
uint_t HopSamples(int sampleRate) {
  uint_t hop = 1;
  while (hop * 2 <= kHopSeconds * sampleRate * 1.5) hop *= 2;
  return hop;
}

std::optional<TrackedBeats> TrackBeats(const std::vector<float>& samples, int sampleRate,
                                       const std::function<bool()>& keepGoing) {
  const uint_t hop = HopSamples(sampleRate);
  std::unique_ptr<aubio_tempo_t, TempoDeleter> tempo(
      new_aubio_tempo("default", 2 * hop, hop, static_cast<uint_t>(sampleRate)));
  std::unique_ptr<fvec_t, VectorDeleter> input(new_fvec(hop));
  std::unique_ptr<fvec_t, VectorDeleter> output(new_fvec(1));
  if (!tempo || !input || !output) return std::nullopt;
  TrackedBeats tracked;
  for (std::size_t start = 0, hops = 0; start + hop <= samples.size(); start += hop, ++hops) {
    if (keepGoing && hops % kHopsBetweenChecks == 0 && !keepGoing()) return std::nullopt;
    std::copy_n(samples.begin() + static_cast<std::ptrdiff_t>(start), hop, input->data);
    aubio_tempo_do(tempo.get(), input.get(), output.get());
    const double beat = aubio_tempo_get_last_s(tempo.get());
    if (output->data[0] != 0 && (tracked.beats.empty() || beat > tracked.beats.back()))
      tracked.beats.push_back(beat);
  }
  tracked.bpm = aubio_tempo_get_bpm(tempo.get());
  return tracked;
}

// The seconds of the first sample of a tenth of the peak; nothing in silence.
std::optional<double> SoundStart(const std::vector<float>& samples, int sampleRate) {
  float peak = 0;
  for (float sample : samples) peak = std::max(peak, std::fabs(sample));
  if (!(peak > 0)) return std::nullopt;
  const auto first = std::find_if(samples.begin(), samples.end(), [&](float sample) {
    return std::fabs(sample) >= kSoundStartShareOfPeak * peak;
  });
  return static_cast<double>(first - samples.begin()) / sampleRate;
}

// Least squares of time = intercept + period * number.
class LineFit {
 public:
  void add(double number, double time) {
    ++count_;
    numbers_ += number;
    times_ += time;
    squares_ += number * number;
    products_ += number * time;
  }
  std::size_t count() const { return count_; }
  double period() const {
    return (count_ * products_ - numbers_ * times_) / (count_ * squares_ - numbers_ * numbers_);
  }
  double intercept() const { return (times_ - period() * numbers_) / count_; }

 private:
  std::size_t count_ = 0;
  double numbers_ = 0, times_ = 0, squares_ = 0, products_ = 0;
};

// The grid through the beats from beats[first] on, each numbered from the
// last one on the grid with the period known so far, so that a long gap of
// missed beats is counted right; a beat off the grid is left out.
LineFit FitFrom(const std::vector<double>& beats, std::size_t first, double roughPeriod) {
  LineFit fit;
  fit.add(0, beats[first]);
  double period = roughPeriod, lastNumber = 0, lastTime = beats[first];
  for (std::size_t i = first + 1; i < beats.size(); ++i) {
    const double steps = (beats[i] - lastTime) / period;
    const double whole = std::round(steps);
    if (whole < 1 || std::fabs(steps - whole) > kOffGridShare) continue;
    lastNumber += whole;
    lastTime = beats[i];
    fit.add(lastNumber, lastTime);
    if (fit.count() >= kFewestBeats) period = fit.period();
  }
  return fit;
}

// The tracker's tempo, or else the median time between the beats it found.
double RoughPeriod(const TrackedBeats& tracked) {
  if (tracked.bpm > 0) return 60 / tracked.bpm;
  std::vector<double> intervals;
  for (std::size_t i = 1; i < tracked.beats.size(); ++i)
    intervals.push_back(tracked.beats[i] - tracked.beats[i - 1]);
  if (intervals.empty()) return 0;
  std::nth_element(intervals.begin(), intervals.begin() + intervals.size() / 2, intervals.end());
  return intervals[intervals.size() / 2];
}

// The loudness of the sound just after every point of the grid that starts
// at `first`, summed.
double LoudnessOnGrid(const std::vector<float>& samples, int sampleRate, double first,
                      double period) {
  const auto attack = static_cast<std::size_t>(kAttackSeconds * sampleRate);
  double loudness = 0;
  for (double beat = first; beat * sampleRate < samples.size(); beat += period) {
    const auto start = static_cast<std::size_t>(std::max(0.0, beat * sampleRate));
    const std::size_t end = std::min(samples.size(), start + attack);
    for (std::size_t i = start; i < end; ++i) loudness += std::fabs(samples[i]);
  }
  return loudness;
}

// A tracker may lock onto the off-beats (a hi-hat between the kicks): of the
// grid and the grid half a period later, the louder one holds the beats.
BeatEstimate OnLouderHalf(BeatEstimate grid, const std::vector<float>& samples, int sampleRate,
                          double soundStart) {
  const double period = 60 / grid.bpm;
  const double halfway = grid.firstBeatSeconds + period / 2;
  if (LoudnessOnGrid(samples, sampleRate, halfway, period) >
      LoudnessOnGrid(samples, sampleRate, grid.firstBeatSeconds, period))
    grid.firstBeatSeconds =
        halfway - period >= soundStart - period / 4 ? halfway - period : halfway;
  return grid;
}

}  // namespace

std::optional<BeatEstimate> FitBeatGrid(const std::vector<double>& beats, double roughPeriod,
                                        double soundStart) {
  if (beats.size() < kFewestBeats || !(roughPeriod > 0)) return std::nullopt;
  // The first beats found may be off the grid themselves: the start that
  // keeps the most beats on the grid wins.
  LineFit fit;
  for (std::size_t first = 0; first < std::min(kFewestBeats, beats.size()); ++first) {
    LineFit from = FitFrom(beats, first, roughPeriod);
    if (from.count() > fit.count()) fit = from;
  }
  if (fit.count() < kFewestBeats) return std::nullopt;
  const double period = fit.period();
  const double bpm = 60 / period;
  if (!std::isfinite(bpm) || bpm < kSlowestBpm || bpm > kFastestBpm) return std::nullopt;
  const double earliest = soundStart - period / 4;
  const double first = fit.intercept() - std::floor((fit.intercept() - earliest) / period) * period;
  return BeatEstimate{bpm, first};
}

std::optional<BeatEstimate> DetectBeats(const std::vector<float>& samples, int sampleRate,
                                        const std::function<bool()>& keepGoing) {
  if (sampleRate <= 0) return std::nullopt;
  const std::optional<double> soundStart = SoundStart(samples, sampleRate);
  if (!soundStart) return std::nullopt;
  const std::optional<TrackedBeats> tracked = TrackBeats(samples, sampleRate, keepGoing);
  if (!tracked) return std::nullopt;
  const std::optional<BeatEstimate> grid =
      FitBeatGrid(tracked->beats, RoughPeriod(*tracked), *soundStart);
  if (!grid) return std::nullopt;
  return OnLouderHalf(*grid, samples, sampleRate, *soundStart);
}

}  // namespace kirabel
