// What the film look costs a frame after it is drawn: the heavy scene's light
// developed at 512 x 512 and 1920 x 1080, classic (the 16-bit copy), film
// without glow and film with glow; and a whole frame, drawn on all cores and
// developed, classic against film with glow.
#include <benchmark/benchmark.h>

#include "heavy_scene.h"
#include "image/picture.h"
#include "simulation/frame_developer.h"
#include "simulation/launch.h"
#include "simulation/random.h"
#include "simulation/space_buffer.h"

namespace kirabel::bench {
namespace {

Look LookNumbered(int64_t kind) {
  Look look;
  if (kind >= 1) look.light = Look::Light::kFilm;
  if (kind == 2) look.glow = 0.6;
  return look;
}

std::unique_ptr<Launch> HeavyLaunch(int32_t width, int32_t height) {
  const ParticleList scene = CentredHeavyScene(width, height);
  LaunchSettings settings;
  settings.gravity = kHeavyGravity;
  settings.frameCount = 1;
  RandomGenerator random;
  return std::move(Launch::Build(scene, settings, random, INT64_MAX, {}, 2).launch);
}

// The space, picture and drawing options of a frame in the look.
struct FrameTarget {
  FrameTarget(int32_t width, int32_t height, const Look& look) : space(width, height, look.Film()) {
    picture.SetHeight(height);
    picture.SetWidth(width);
    options.linearLight = look.Film();
  }
  SpaceBuffer space;
  Picture picture;
  RenderOptions options;
};

void BM_DevelopFrame(benchmark::State& state) {
  const int32_t width = static_cast<int32_t>(state.range(0));
  const int32_t height = static_cast<int32_t>(state.range(1));
  const Look look = LookNumbered(state.range(2));
  std::unique_ptr<Launch> launch = HeavyLaunch(width, height);
  FrameTarget frame(width, height, look);
  launch->DrawAt(kHeavyFrameTime, frame.space, frame.picture, frame.options);
  const FrameDeveloper developer(look);
  for (auto _ : state) {
    developer.DevelopPicture(frame.space, frame.picture);
    benchmark::DoNotOptimize(frame.picture.Bits());
  }
}
BENCHMARK(BM_DevelopFrame)
    ->ArgNames({"w", "h", "classic0_film1_glow2"})
    ->ArgsProduct({{512}, {512}, {0, 1, 2}})
    ->ArgsProduct({{1920}, {1080}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

void BM_WholeFrame(benchmark::State& state) {
  const int32_t width = static_cast<int32_t>(state.range(0));
  const int32_t height = static_cast<int32_t>(state.range(1));
  const Look look = LookNumbered(state.range(2));
  std::unique_ptr<Launch> launch = HeavyLaunch(width, height);
  if (look.Film()) launch->SetDeveloper(std::make_shared<FrameDeveloper>(look));
  FrameTarget frame(width, height, look);
  for (auto _ : state) {
    launch->DrawAt(kHeavyFrameTime, frame.space, frame.picture, frame.options);
    benchmark::DoNotOptimize(frame.picture.Bits());
  }
}
BENCHMARK(BM_WholeFrame)
    ->ArgNames({"w", "h", "classic0_film1_glow2"})
    ->Args({512, 512, 0})
    ->Args({512, 512, 2})
    ->Args({1920, 1080, 0})
    ->Args({1920, 1080, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kirabel::bench
