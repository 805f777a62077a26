// Population (particles per second) and rendering (samples per second) on
// the heavy scene, the BMP writer, and for comparison a literal reading of
// the frame rules.
#include <benchmark/benchmark.h>

#include <atomic>
#include <string>

#include "heavy_scene.h"
#include "image/picture.h"
#include "simulation/literal_reference.h"
#include "simulation/parallel_renderer.h"
#include "simulation/population.h"
#include "simulation/random.h"
#include "simulation/space_buffer.h"

namespace kirabel::bench {
namespace {

int64_t Samples(const LaunchList& launched) {
  int64_t samples = 0;
  for (const LaunchedSet& s : launched) {
    samples += static_cast<int64_t>(s.states.size()) * (s.trailSamples + 1);
  }
  return samples;
}

void BM_Population(benchmark::State& state) {
  const ParticleList scene = HeavyScene();
  const int jobs = static_cast<int>(state.range(0));
  int64_t particles = 0;
  for (auto _ : state) {
    RandomGenerator random;
    LaunchList launched;
    PopulateLaunchList(scene, kHeavyGravity, random, launched, jobs);
    for (const LaunchedSet& s : launched) particles += static_cast<int64_t>(s.states.size());
    benchmark::DoNotOptimize(launched.back().states.data());
  }
  state.counters["particles/s"] =
      benchmark::Counter(static_cast<double>(particles), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Population)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_RenderFrame(benchmark::State& state) {
  const ParticleList scene = HeavyScene();
  RandomGenerator random;
  LaunchList launched;
  PopulateLaunchList(scene, kHeavyGravity, random, launched);
  SpaceBuffer space(512, 512);
  Picture picture;
  picture.SetHeight(512);
  picture.SetWidth(512);
  ParallelRenderer renderer(static_cast<int>(state.range(0)));
  const RenderOptions options{state.range(1) != 0, false};
  // With a stop request that is asked all along and never stops: what the
  // checks cost.
  std::atomic<bool> stopped{false};
  StopRequest stop;
  if (state.range(2) != 0) stop = [&] { return stopped.load(); };
  for (auto _ : state) {
    space.Clear();
    renderer.Render(launched, kHeavyFrameTime, kHeavyGravity, options, space, &picture, stop);
    benchmark::DoNotOptimize(picture.Bits());
  }
  state.counters["samples/s"] = benchmark::Counter(
      static_cast<double>(Samples(launched) * state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderFrame)
    ->ArgNames({"jobs", "aa", "stop"})
    ->Args({1, 0, 0})
    ->Args({1, 0, 1})
    ->Args({2, 0, 0})
    ->Args({2, 0, 1})
    ->Args({1, 1, 0})
    ->Args({2, 1, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_LiteralFrame(benchmark::State& state) {
  const ParticleList scene = HeavyScene();
  RandomGenerator random;
  const auto launched = literal::Population(scene, kHeavyGravity, random).Build();
  literal::Space space(512, 512);
  for (auto _ : state) {
    std::fill(space.data.begin(), space.data.end(), 0);
    literal::RenderFrame(launched, kHeavyFrameTime, kHeavyGravity, false, false, space);
    benchmark::DoNotOptimize(space.data.data());
  }
}
BENCHMARK(BM_LiteralFrame)->Unit(benchmark::kMillisecond);

void BM_SaveBmp(benchmark::State& state) {
  Picture picture;
  picture.SetHeight(512);
  picture.SetWidth(512);
  std::fill_n(picture.Bits(), picture.RowBytes() * 512, 7);
  const std::string name = "/tmp/kirabel_bench.BMP";
  for (auto _ : state) picture.SaveToFile(name, 24);
  std::remove(name.c_str());
  state.SetBytesProcessed(state.iterations() * (54 + picture.RowBytes() * 512));
}
BENCHMARK(BM_SaveBmp)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirabel::bench
