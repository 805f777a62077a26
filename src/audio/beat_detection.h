#pragma once
// Estimates a soundtrack's tempo and its first beat with aubio's beat
// tracker: the beats it finds are fitted to one evenly spaced grid, so that
// beats it missed or placed a little off do not move the grid, and the grid
// is moved by half a period when the sound is louder there (the tracker
// followed the off-beats).
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace kirabel {

struct BeatEstimate {
  double bpm = 0;               // beats per minute
  double firstBeatSeconds = 0;  // from the first sample
};

// The rate at which DetectBeats expects its samples (mono).
constexpr int kBeatSampleRate = 22050;

// Nothing when the sound has no steady beat (too short, silent, or too few
// beats found). keepGoing, when given, is asked now and then; false stops the
// detection with nothing.
std::optional<BeatEstimate> DetectBeats(const std::vector<float>& samples, int sampleRate,
                                        const std::function<bool()>& keepGoing = {});

// The grid through beat times found by a tracker (ascending, seconds) whose
// spacing is about roughPeriod: the period by least squares over the beats
// numbered by the grid (missed beats leave gaps), the first beat the grid's
// earliest not before soundStart (less a quarter of a period). Nothing for
// fewer than four beats.
std::optional<BeatEstimate> FitBeatGrid(const std::vector<double>& beats, double roughPeriod,
                                        double soundStart);

}  // namespace kirabel
