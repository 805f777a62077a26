// One step of the edit history on long lists: a set removed from the front
// (every child link renumbered) and taken back, and a whole list replaced
// (Open) and taken back.
#include <benchmark/benchmark.h>

#include "model/document_data.h"
#include "model/list_commands.h"

namespace kirabel {
namespace {

DocumentData LinkedList(int64_t count) {
  DocumentData data;
  data.sets.resize(static_cast<std::size_t>(count));
  for (int64_t i = 0; i < count; ++i) {
    data.sets[i].name = "set " + std::to_string(i);
    data.sets[i].child = static_cast<int32_t>(i + 1 < count ? i + 1 : -1);
  }
  return data;
}

void BM_RemoveAndUndo(benchmark::State& state) {
  DocumentData data = LinkedList(state.range(0));
  for (auto _ : state) {
    auto command = RemoveSetCommand(0);
    command->Apply(data);
    command->Revert(data);
    benchmark::DoNotOptimize(data.sets.data());
  }
}
BENCHMARK(BM_RemoveAndUndo)->Arg(1000)->Arg(100000);

void BM_OpenAndUndo(benchmark::State& state) {
  DocumentData data = LinkedList(state.range(0));
  const ParticleList opened = LinkedList(state.range(0)).sets;
  for (auto _ : state) {
    auto command = ReplaceListCommand(opened, std::nullopt, "/list.pcl");
    command->Apply(data);
    command->Revert(data);
    benchmark::DoNotOptimize(data.sets.data());
  }
}
BENCHMARK(BM_OpenAndUndo)->Arg(1000)->Arg(100000);

}  // namespace
}  // namespace kirabel
