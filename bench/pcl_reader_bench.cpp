// Reading (and writing) a PCL file of a few thousand sets.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "model/pcl_file.h"

namespace {

kirabel::ParticleList MakeList(int count) {
  kirabel::ParticleList list(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    kirabel::ParticleSet& p = list[static_cast<std::size_t>(i)];
    p.red = static_cast<uint8_t>(i);
    p.count = 100 + i;
    p.originX = i / 3.0L;
    p.originY = 256;
    p.speed = 10;
    p.directionSpread = 3.14159L;
    p.lifetime = 20;
    p.trailSamples = 100;
    p.visible = true;
    p.child = (i + 1) % count;
    p.maxGenerations = 2;
    p.SetName("火花 " + std::to_string(i));
  }
  return list;
}

std::string Folder() {
  char name[] = "/tmp/kirabel-bench-XXXXXX";
  return mkdtemp(name) ? name : "/tmp";
}

void BM_ReadPclFile(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string folder = Folder();
  const std::string path = folder + "/sets.pcl";
  kirabel::SaveListToFile(path, MakeList(count), kirabel::LaunchSettings());
  for (auto _ : state) {
    benchmark::DoNotOptimize(kirabel::ReadPclFile(path));
  }
  state.SetItemsProcessed(state.iterations() * count);
  unlink(path.c_str());
  rmdir(folder.c_str());
}
BENCHMARK(BM_ReadPclFile)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_SaveListToFile(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const kirabel::ParticleList list = MakeList(count);
  const std::string folder = Folder();
  const std::string path = folder + "/sets.pcl";
  for (auto _ : state) {
    unlink(path.c_str());
    kirabel::SaveListToFile(path, list, kirabel::LaunchSettings());
  }
  state.SetItemsProcessed(state.iterations() * count);
  unlink(path.c_str());
  rmdir(folder.c_str());
}
BENCHMARK(BM_SaveListToFile)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
