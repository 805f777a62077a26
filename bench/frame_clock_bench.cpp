// The time of a far frame, asked for afresh (a step back in the preview of a
// very long launch), against summing the frames one by one.
#include <benchmark/benchmark.h>

#include "simulation/frame_clock.h"

namespace kirabel {
namespace {

void BM_FarFrameTime(benchmark::State& state) {
  for (auto _ : state) {
    const FrameClock clock(10, 0.1L);
    benchmark::DoNotOptimize(clock.Time(state.range(0)));
  }
}
BENCHMARK(BM_FarFrameTime)->Arg(1000)->Arg(1000000)->Arg(999999999);

void BM_FrameByFrameSum(benchmark::State& state) {
  for (auto _ : state) {
    long double time = 10;
    for (int64_t frame = 1; frame < state.range(0); ++frame) time = time + 0.1L;
    benchmark::DoNotOptimize(time);
  }
}
BENCHMARK(BM_FrameByFrameSum)->Arg(1000)->Arg(1000000);

}  // namespace
}  // namespace kirabel
