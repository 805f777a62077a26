// What the live preview costs at 512 x 512 on all cores, for each example and
// the heavy scene: a change (the launch built again, then one frame drawn),
// and one frame of playback (drawn from the built launch), each in the list's
// own look (the examples' film look with glow; the heavy scene classic).
#include <benchmark/benchmark.h>

#include <string>

#include "heavy_scene.h"
#include "image/picture.h"
#include "model/launch_limits.h"
#include "model/pcl_file.h"
#include "picture_io/sky_photo.h"
#include "simulation/launch.h"
#include "simulation/launch_scene.h"
#include "simulation/random.h"
#include "simulation/space_buffer.h"

namespace kirabel::bench {
namespace {

const char* const kScenes[] = {"chrysanthemum", "willow", "ring", "finale", "heavy"};

PclContents Scene(int index) {
  const std::string name = kScenes[index];
  if (name == "heavy") {
    PclContents heavy;
    heavy.sets = HeavyScene();
    heavy.settings.gravity = kHeavyGravity;
    heavy.settings.startTime = kHeavyFrameTime;
    return heavy;
  }
  return ReadPclFile(std::string(KIRABEL_EXAMPLES) + "/" + name + ".pcl");
}

struct Canvas {
  Canvas() : space(512, 512) {
    picture.SetHeight(512);
    picture.SetWidth(512);
  }
  SpaceBuffer space;
  Picture picture;
};

std::unique_ptr<Launch> Build(const PclContents& scene) {
  RandomGenerator random;
  std::unique_ptr<Launch> launch = Launch::Build(scene.sets, WithinLaunchLimits(scene.settings),
                                                 random, INT64_MAX, {}, AvailableCores())
                                       .launch;
  launch->SetDeveloper(MakeFrameDeveloper(scene.look));
  return launch;
}

// The drawing options of the preview in the list's look.
RenderOptions Drawing(const PclContents& scene, bool antiAlias) {
  RenderOptions options;
  options.antiAlias = antiAlias;
  options.linearLight = scene.look.Film();
  options.starRadius = static_cast<float>(scene.look.starSize);
  return options;
}

void BM_PreviewChange(benchmark::State& state) {
  const PclContents scene = Scene(static_cast<int>(state.range(0)));
  Canvas canvas;
  for (auto _ : state) {
    const std::unique_ptr<Launch> launch = Build(scene);
    launch->DrawFrame(1, canvas.space, canvas.picture, Drawing(scene, true));
    benchmark::DoNotOptimize(canvas.picture.Bits());
  }
  state.SetLabel(kScenes[state.range(0)]);
}
BENCHMARK(BM_PreviewChange)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PreviewPlayback(benchmark::State& state) {
  const PclContents scene = Scene(static_cast<int>(state.range(0)));
  const RenderOptions options = Drawing(scene, state.range(1) != 0);
  const std::unique_ptr<Launch> launch = Build(scene);
  Canvas canvas;
  int64_t frame = 0;
  for (auto _ : state) {
    launch->DrawAt(launch->Settings().startTime + 0.5L * static_cast<long double>(frame++ % 20),
                   canvas.space, canvas.picture, options);
    benchmark::DoNotOptimize(canvas.picture.Bits());
  }
  state.SetLabel(kScenes[state.range(0)]);
  state.counters["frames/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PreviewPlayback)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})
    ->ArgNames({"scene", "aa"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kirabel::bench
