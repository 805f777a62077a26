#include "cli/dry_run.h"

#include <algorithm>

#include "platform/c_numbers.h"
#include "simulation/launch.h"

namespace kirabel::cli {

void PrintDryRun(std::FILE* out, const RenderRequest& r, const ParticleList& list,
                 const LaunchSettings& env, const ParticleEstimate& estimate) {
  const auto visible =
      std::count_if(list.begin(), list.end(), [](const ParticleSet& set) { return set.visible; });
  const int64_t frames = FrameCount(env.frameCount);
  std::fprintf(out, "file: %s\n", r.input.c_str());
  std::fprintf(out, "sets: %zu\n", list.size());
  for (std::size_t i = 0; i < list.size(); ++i) {
    const ParticleSet& s = list[i];
    std::fprintf(out, "  P%zu %s: N=%d child=%d am=%d ns=%d%s\n", i, s.name.c_str(), s.count,
                 s.child, s.maxGenerations, s.trailSamples, s.visible ? "" : " (hidden)");
  }
  std::fprintf(out, "visible sets: %ld\n", static_cast<long>(visible));
  std::fprintf(out, "particles: %lld\n", static_cast<long long>(estimate.particles));
  std::fprintf(out, "launched sets: %lld\n", static_cast<long long>(estimate.launchedSets));
  std::fprintf(out, "frames: %lld\n", static_cast<long long>(frames));
  std::fputs(FormatNumbers("start: %.15Lg  interval: %.15Lg  gravity: %.15Lg\n", env.startTime,
                           env.frameInterval, env.gravity)
                 .c_str(),
             out);
  std::fprintf(out, "size: %dx%d%s%s\n", r.width, r.height, r.antiAlias ? " antialias" : "",
               r.wrap ? " wrap" : "");
  const FrameRange selected = SelectFrames(frames, r.range, r.shard);
  if (r.range || r.shard) {
    std::fprintf(out, "selected: %lld-%lld\n", static_cast<long long>(selected.first),
                 static_cast<long long>(selected.last));
  }
  if (r.animation) {
    std::fprintf(out, "output: %s\n", r.prefix.c_str());
  } else if (selected.first <= selected.last) {
    std::fprintf(out, "output: %s .. %s\n",
                 NumberedFrameName(env.autosaveName, selected.first, r.format).c_str(),
                 NumberedFrameName(env.autosaveName, selected.last, r.format).c_str());
  }
}

}  // namespace kirabel::cli
