// What film light costs the drawing of a frame: the heavy scene, centred in
// a 512 x 512 and a 1920 x 1080 space, drawn on one thread into classic
// 16-bit values (mode 0), into linear light (1) and into linear light with
// stars of radius 1.5 (2). The space is cleared and drawn, not developed.
#include <benchmark/benchmark.h>

#include "heavy_scene.h"
#include "simulation/parallel_renderer.h"
#include "simulation/population.h"
#include "simulation/random.h"
#include "simulation/space_buffer.h"

namespace kirabel::bench {
namespace {

void BM_FilmLightFrame(benchmark::State& state) {
  const int32_t width = static_cast<int32_t>(state.range(0));
  const int32_t height = static_cast<int32_t>(state.range(1));
  const int64_t mode = state.range(2);
  const ParticleList scene = CentredHeavyScene(width, height);
  LaunchSettings settings;
  settings.gravity = kHeavyGravity;
  RandomGenerator random;
  LaunchList launched;
  PopulateLaunchList(scene, settings, random, launched);
  RenderOptions options;
  options.linearLight = mode >= 1;
  options.starRadius = mode == 2 ? 1.5f : 0;
  SpaceBuffer space(width, height, options.linearLight);
  ParallelRenderer renderer(1);
  int64_t samples = 0;
  for (const LaunchedSet& s : launched) {
    samples += static_cast<int64_t>(s.states.size()) * (s.trailSamples + 1);
  }
  for (auto _ : state) {
    space.Clear();
    renderer.Render(launched, kHeavyFrameTime, Forces(kHeavyGravity, 0), options, space, nullptr);
    benchmark::DoNotOptimize(space.Width());
  }
  state.counters["samples/s"] = benchmark::Counter(
      static_cast<double>(samples * state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FilmLightFrame)
    ->ArgNames({"w", "h", "classic0_linear1_discs2"})
    ->ArgsProduct({{512}, {512}, {0, 1, 2}})
    ->Args({1920, 1080, 0})
    ->Args({1920, 1080, 1})
    ->Args({1920, 1080, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kirabel::bench
