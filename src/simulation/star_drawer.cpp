#include "simulation/star_drawer.h"

#include <algorithm>

#include "simulation/counter_random.h"

namespace kirabel {

void StarDrawer::Load(const ParticleSet& set, const Forces& air) {
  trail_.Load(set);
  forces_ = air.On(set);
  const int64_t trailPoints = std::max<int64_t>(set.trailSamples, 0) + 1;
  work_ = trailPoints;
  if (!set.HasEffects()) {
    classic_ = true;
    return;
  }
  lit_.Load(set, trail_, forces_);
  sparks_ = SparkSet(set, forces_);
  classic_ = !forces_.HasDrag() && lit_.Light().Steady() && !sparks_.Sheds();
  needsKey_ = lit_.Light().Strobes() || sparks_.Sheds();
  work_ = trailPoints * (1 + SparksPerStar(set));
}

void StarDrawer::Draw(const ParticleState& p, int64_t index, long double t,
                      const RenderOptions& options, SpaceBuffer& space) const {
  if (classic_) {
    DrawTrail(trail_, p, t, forces_.gravity, options, discs_, space);
    return;
  }
  const uint64_t key = needsKey_ ? ParticleKey(p, index) : 0;
  lit_.Draw(p, CombineKeys(key, ~uint64_t{0}), t, options, discs_, space);
  sparks_.Draw(p, key, t, options, space);
}

}  // namespace kirabel
