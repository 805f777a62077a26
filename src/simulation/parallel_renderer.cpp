#include "simulation/parallel_renderer.h"

#include <algorithm>
#include <atomic>

#include "image/picture.h"
#include "simulation/renderer.h"
#include "simulation/space_buffer.h"
#include "simulation/star_drawer.h"
#include "simulation/worker_team.h"

namespace kirabel {

namespace {

// Below this many particles a frame is drawn on the calling thread alone.
constexpr int64_t kParallelThreshold = 4096;

// The launched sets with particles, and where each starts in the running
// count of all particles of the frame.
struct ParticleIndex {
  explicit ParticleIndex(const LaunchList& launchList) {
    for (const LaunchedSet& set : launchList) {
      if (set.states.empty()) continue;
      sets.push_back(&set);
      starts.push_back(total);
      total += static_cast<int64_t>(set.states.size());
    }
  }
  std::vector<const LaunchedSet*> sets;
  std::vector<int64_t> starts;
  int64_t total = 0;
};

// Draws the particles begin .. end - 1 of the frame. False when the poller
// saw a stop: space then holds part of them.
bool DrawRange(const ParticleIndex& index, int64_t begin, int64_t end, long double t,
               const Forces& air, const RenderOptions& options, SpaceBuffer& space,
               StopPoller& poller) {
  if (begin >= end) return true;
  auto at = std::upper_bound(index.starts.begin(), index.starts.end(), begin) - 1;
  std::size_t s = static_cast<std::size_t>(at - index.starts.begin());
  StarDrawer stars;
  while (begin < end) {
    const LaunchedSet& set = *index.sets[s];
    stars.Load(set, air);
    const int64_t first = begin - index.starts[s];
    const int64_t stop =
        std::min<int64_t>(static_cast<int64_t>(set.states.size()), end - index.starts[s]);
    for (int64_t i = first; i < stop; ++i) {
      stars.Draw(set.states[static_cast<std::size_t>(i)], i, t, options, space);
      if (poller.Poll(stars.Work())) return false;
    }
    begin = index.starts[s] + stop;
    ++s;
  }
  return true;
}

}  // namespace

ParallelRenderer::ParallelRenderer(int jobs) : team_(std::make_unique<WorkerTeam>(jobs)) {}

int ParallelRenderer::Jobs() const {
  return team_->Jobs();
}

ParallelRenderer::~ParallelRenderer() = default;

SpaceBuffer& ParallelRenderer::Scratch(int index, const SpaceBuffer& like) {
  auto& slot = scratch_[static_cast<std::size_t>(index)];
  if (!slot || slot->Width() != like.Width() || slot->Height() != like.Height() ||
      slot->Linear() != like.Linear()) {
    slot.reset();
    slot = std::make_unique<SpaceBuffer>(like.Width(), like.Height(), like.Linear());
  }
  return *slot;
}

bool ParallelRenderer::Render(const LaunchList& launchList, long double t, const Forces& air,
                              const RenderOptions& options, SpaceBuffer& space, Picture* picture,
                              const StopRequest& stop) {
  const ParticleIndex index(launchList);
  const int jobs = index.total < kParallelThreshold ? 1 : team_->Jobs();
  if (jobs == 1) {
    StopPoller poller(stop);
    if (!DrawRange(index, 0, index.total, t, air, options, space, poller)) return false;
    if (picture) CopySpaceToPicture(space, *picture);
    return true;
  }
  scratch_.resize(static_cast<std::size_t>(jobs - 1));
  std::vector<SpaceBuffer*> targets{&space};
  for (int j = 0; j < jobs - 1; ++j) targets.push_back(&Scratch(j, space));

  const int64_t chunk = std::max<int64_t>(256, index.total / (int64_t{jobs} * 64));
  std::atomic<int64_t> next{0};
  std::atomic<bool> stopped{false};
  team_->Run(jobs, [&](int job) {
    if (job > 0) targets[static_cast<std::size_t>(job)]->Clear();
    StopPoller poller(stop);
    while (!stopped) {
      const int64_t begin = next.fetch_add(chunk);
      if (begin >= index.total) return;
      if (!DrawRange(index, begin, std::min(index.total, begin + chunk), t, air, options,
                     *targets[static_cast<std::size_t>(job)], poller)) {
        stopped = true;
      }
    }
  });
  if (stopped) return false;

  const std::vector<SpaceBuffer*> others(targets.begin() + 1, targets.end());
  const int32_t rows = space.Height();
  team_->Run(jobs, [&](int job) {
    const int32_t y0 = static_cast<int32_t>(int64_t{rows} * job / jobs);
    const int32_t y1 = static_cast<int32_t>(int64_t{rows} * (job + 1) / jobs);
    for (const SpaceBuffer* other : others) space.AddSaturated(*other, y0, y1);
    if (picture) CopySpaceRows(space, *picture, y0, y1);
  });
  return true;
}

}  // namespace kirabel
