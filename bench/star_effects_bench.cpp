// What the star effects cost: the heavy scene with drag, fades and a strobe
// on every set against the plain scene (samples per second), and sparks
// (sparks drawn per second; the same stars without their sparks give the
// cost of the sparks alone by difference).
#include <benchmark/benchmark.h>

#include "heavy_scene.h"
#include "image/picture.h"
#include "simulation/parallel_renderer.h"
#include "simulation/population.h"
#include "simulation/random.h"
#include "simulation/space_buffer.h"
#include "simulation/sparks.h"

namespace kirabel::bench {
namespace {

// The heavy scene, every set with drag, fades and a strobe (arg 1) or
// shedding sparks (arg 2), its stars as points without sparks (arg 3), or
// plain (arg 0).
ParticleList EffectScene(int64_t kind) {
  ParticleList scene = HeavyScene();
  for (ParticleSet& set : scene) {
    StarEffects effects;
    if (kind == 1) {
      effects.drag = 0.2L;
      effects.fadeIn = 1;
      effects.fadeOut = 3;
      effects.strobePeriod = 0.5L;
      effects.strobeLit = 0.5L;
    } else if (kind == 3) {
      set.trailSamples = 0;
    } else if (kind == 2) {
      set.trailSamples = 0;
      effects.sparkRate = 4;
      effects.sparkLifetime = 2;
      effects.sparkSpeed = 1;
    }
    set.SetEffects(effects);
  }
  return scene;
}

void BM_EffectFrame(benchmark::State& state) {
  const ParticleList scene = EffectScene(state.range(0));
  LaunchSettings settings;
  settings.gravity = kHeavyGravity;
  settings.wind = 1;
  RandomGenerator random;
  LaunchList launched;
  PopulateLaunchList(scene, settings, random, launched);
  SpaceBuffer space(512, 512);
  Picture bitmap;
  bitmap.SetHeight(512);
  bitmap.SetWidth(512);
  ParallelRenderer renderer(1);
  int64_t samples = 0;
  for (const LaunchedSet& s : launched) {
    const int64_t perStar = state.range(0) == 2 ? 8 : s.trailSamples + 1;  // 4 x 2 sparks alive
    samples += static_cast<int64_t>(s.states.size()) * perStar;
  }
  for (auto _ : state) {
    space.Clear();
    renderer.Render(launched, kHeavyFrameTime, Forces(kHeavyGravity, 1), {}, space, &bitmap);
    benchmark::DoNotOptimize(bitmap.Bits());
  }
  state.counters["samples/s"] = benchmark::Counter(
      static_cast<double>(samples * state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EffectFrame)
    ->ArgName("plain0_lit1_sparks2_points3")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kirabel::bench
