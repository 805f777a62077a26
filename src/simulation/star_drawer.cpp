#include "simulation/star_drawer.h"

#include "simulation/counter_random.h"
#include "simulation/lit_trail.h"

namespace kirabel {

void StarDrawer::Load(const ParticleSet& set, const Forces& air) {
  trail_.Load(set);
  forces_ = air.On(set);
  if (!set.HasEffects()) {
    classic_ = true;
    return;
  }
  light_ = StarLight(set);
  sparks_ = SparkSet(set);
  classic_ = !forces_.HasDrag() && light_.Steady() && !sparks_.Sheds();
}

void StarDrawer::Draw(const ParticleState& p, int64_t index, long double t,
                      const RenderOptions& options, SpaceBuffer& space) const {
  if (classic_) {
    DrawTrail(trail_, p, t, forces_.gravity, options, space);
    return;
  }
  const uint64_t key = ParticleKey(p, index);
  const long double strobePhase = UnitRandom(key, ~uint64_t{0});
  DrawLitTrail(trail_, light_, p, strobePhase, t, forces_, options, space);
  sparks_.Draw(p, key, t, forces_, options, space);
}

}  // namespace kirabel
