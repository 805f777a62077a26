// The show among the examples: its shells burst on the beats of its own
// soundtrack with their light jumping on the beat's frame, it stays under the
// particle warning, and its launch lasts as long as that soundtrack.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "model/options.h"
#include "model/pcl_file.h"
#include "picture_io/soundtrack.h"
#include "simulation/canvas.h"
#include "simulation/launch.h"
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

// The frame of the beat nearest to a video time (frame k plays at (k - 1) / fps).
int64_t BeatFrame(const ShowSettings& show, long double seconds) {
  const long double beat = 60 / show.bpm;
  const long double beatSeconds =
      show.beatOffset + std::round((seconds - show.beatOffset) / beat) * beat;
  const long double fps =
      static_cast<long double>(show.fps.numerator) / static_cast<long double>(show.fps.denominator);
  return std::llround(beatSeconds * fps) + 1;
}

// The rising sets of each burst (whose stars are all born within a frame;
// not a fountain's mouth), keyed by where and when they burst: a shell's
// rising sets fly exactly alike.
std::map<std::tuple<long double, long double, long double, long double>, std::vector<std::size_t>>
Bursts(const ParticleList& sets, long double frameInterval) {
  std::map<std::tuple<long double, long double, long double, long double>, std::vector<std::size_t>>
      bursts;
  for (std::size_t i = 0; i < sets.size(); ++i) {
    const ParticleSet& set = sets[i];
    if (!set.visible || set.child < 0) continue;
    const ParticleSet& child = sets[static_cast<std::size_t>(set.child)];
    if (std::fabs(child.birthSpread) > frameInterval) continue;
    bursts[{set.birthTime + set.lifetime, set.originX, set.speed, set.direction}].push_back(i);
  }
  return bursts;
}

// The sum of the picture's bytes of frames first..last of a launch of the
// show in which only the rising sets `shell` fly.
std::vector<uint64_t> LightOfShell(const PclContents& show, const std::vector<std::size_t>& shell,
                                   int64_t first, int64_t last) {
  ParticleList sets = show.sets;
  for (std::size_t i = 0; i < sets.size(); ++i) {
    sets[i].visible = sets[i].visible && std::count(shell.begin(), shell.end(), i) > 0;
  }
  RandomGenerator random;
  const auto built = Launch::Build(sets, show.settings, random, INT64_MAX, {});
  testing::Canvas canvas(512, 512);
  const uint8_t* bytes = canvas.picture.Bits();
  const std::size_t size = static_cast<std::size_t>(canvas.picture.RowBytes()) * 512;
  std::vector<uint64_t> light;
  for (int64_t frame = first; frame <= last; ++frame) {
    built.launch->DrawFrame(frame, canvas.space, canvas.picture, {false, false});
    light.push_back(std::accumulate(bytes, bytes + size, uint64_t{0}));
  }
  return light;
}

TEST(ShowExample, EveryBurstsLightJumpsMostOnItsBeatFrame) {
  constexpr int64_t kFramesBefore = 3;
  constexpr int64_t kFramesAfter = 30;
  const PclContents show = ReadPclFile(KIRABEL_SOURCE_DIR "/examples/show.pcl");
  const auto bursts = Bursts(show.sets, show.settings.frameInterval);
  EXPECT_GE(bursts.size(), 30u);
  for (const auto& [where, shell] : bursts) {
    const ParticleSet& rising = show.sets[shell.front()];
    const ParticleSet& child = show.sets[static_cast<std::size_t>(rising.child)];
    const int64_t beatFrame = BeatFrame(show.show, BurstSeconds(show, std::get<0>(where), child));
    const std::vector<uint64_t> light =
        LightOfShell(show, shell, beatFrame - kFramesBefore, beatFrame + kFramesAfter);
    std::vector<int64_t> jumps(light.size());
    std::adjacent_difference(light.begin(), light.end(), jumps.begin());
    const auto largest = std::max_element(jumps.begin() + 1, jumps.end());
    EXPECT_EQ(largest - jumps.begin(), kFramesBefore) << rising.name;
  }
}

TEST(ShowExample, StaysUnderTheParticleWarningSparksIncluded) {
  const PclContents show = ReadPclFile(KIRABEL_SOURCE_DIR "/examples/show.pcl");
  EXPECT_LT(EstimateParticles(show.sets).Total(), Options().warningThreshold);
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
