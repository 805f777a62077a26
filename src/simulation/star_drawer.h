#pragma once
// Everything a frame draws for the particles of one launched set: the
// classic trail when the set uses no effect (exactly today's arithmetic),
// else the trail under drag and wind, lit over the star's life, and the
// sparks it sheds. Loaded once per launched set and shared by the renderers.
#include <cstdint>

#include "simulation/particle_motion.h"
#include "simulation/population.h"
#include "simulation/sparks.h"
#include "simulation/star_light.h"
#include "simulation/trail.h"

namespace kirabel {

class SpaceBuffer;

class StarDrawer {
 public:
  // air: the launch's gravity and wind.
  void Load(const ParticleSet& set, const Forces& air);

  // Draws particle `index` of the set, p, at time t.
  void Draw(const ParticleState& p, int64_t index, long double t, const RenderOptions& options,
            SpaceBuffer& space) const;

 private:
  TrailSet trail_;
  Forces forces_;
  StarLight light_;
  SparkSet sparks_;
  bool classic_ = true;  // no effect: the classic trail alone
};

}  // namespace kirabel
