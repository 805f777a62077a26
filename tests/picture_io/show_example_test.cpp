// The show among the examples: its shells burst on the beats of its own
// soundtrack, and its launch lasts as long as that soundtrack.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/pcl_file.h"
#include "picture_io/soundtrack.h"
#include "simulation/population.h"
#include "simulation/random.h"

namespace kirabel {
namespace {

constexpr long double kShortestShow = 40;  // seconds of video

// The video time at which the children of a particle dying at list time
// `death` appear, frame k of the launch playing at (k - 1) / fps.
long double BurstSeconds(const PclContents& show, long double death, const ParticleSet& child) {
  const long double fps = static_cast<long double>(show.show.fps.numerator) /
                          static_cast<long double>(show.show.fps.denominator);
  const long double listTimePerSecond = fps * show.settings.frameInterval;
  return (death + child.birthTime - show.settings.startTime) / listTimePerSecond;
}

// How far a video time lies from the nearest beat of the show's grid.
long double SecondsOffBeat(const ShowSettings& show, long double seconds) {
  const long double beat = 60 / show.bpm;
  const long double beats = (seconds - show.beatOffset) / beat;
  return std::fabs(beats - std::round(beats)) * beat;
}

TEST(ShowExample, ShellsBurstOnTheBeatsOfItsSoundtrack) {
  const PclContents show = ReadPclFile(KIRABEL_SOURCE_DIR "/examples/show.pcl");
  ASSERT_GT(show.show.bpm, 0);
  const long double halfFrame = static_cast<long double>(show.show.fps.denominator) /
                                static_cast<long double>(show.show.fps.numerator) / 2;

  LaunchList launched;
  RandomGenerator random;
  PopulateLaunchList(show.sets, show.settings.gravity, random, launched);
  int shellsOnBeat = 0;
  for (const LaunchedSet& set : launched) {
    // The visible sets are the first generation; their children are hidden.
    if (!set.visible || set.child < 0) continue;
    const ParticleSet& child = show.sets[static_cast<std::size_t>(set.child)];
    bool onBeat = !set.states.empty();
    for (const ParticleState& particle : set.states) {
      const long double seconds = BurstSeconds(show, particle.death, child);
      onBeat = onBeat && SecondsOffBeat(show.show, seconds) <= halfFrame;
    }
    EXPECT_TRUE(onBeat) << set.name;
    shellsOnBeat += onBeat;
  }
  EXPECT_GE(shellsOnBeat, 20);
}

TEST(ShowExample, LaunchCoversItsSoundtrackOfFortySecondsOrMore) {
  const PclContents show = ReadPclFile(KIRABEL_SOURCE_DIR "/examples/show.pcl");
  const long double seconds = SoundtrackSeconds(show.show.audio);
  EXPECT_GE(seconds, kShortestShow);
  const int64_t frames = static_cast<int64_t>(show.settings.frameCount);
  EXPECT_GE(frames, FramesCoveringSoundtrack(show.show.audioOffset, seconds, show.show.fps));
  EXPECT_GE(frames, kShortestShow * show.show.fps.numerator / show.show.fps.denominator);
}

}  // namespace
}  // namespace kirabel
