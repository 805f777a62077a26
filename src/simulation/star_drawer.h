#pragma once
// Everything a frame draws for the particles of one launched set: the
// classic trail when the set uses no effect (exactly today's arithmetic),
// else the trail under drag and wind, lit over the star's life, and the
// sparks it sheds. Loaded once per launched set and shared by the renderers;
// one drawer serves one thread.
#include <cstdint>

#include "simulation/lit_trail.h"
#include "simulation/particle_motion.h"
#include "simulation/population.h"
#include "simulation/sparks.h"
#include "simulation/star_disc.h"
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
  // About how many points drawing one particle of the loaded set plots (its
  // trail's, and at most its sparks'): the work a stop check counts.
  int64_t Work() const { return work_; }

 private:
  TrailSet trail_;
  Forces forces_;
  LitTrail lit_;
  SparkSet sparks_;
  StarDiscs discs_;        // the discs of sized stars, kept over the sets
  bool classic_ = true;    // no effect: the classic trail alone
  bool needsKey_ = false;  // the stars' own random numbers are drawn from (strobe, sparks)
  int64_t work_ = 1;       // the points one particle plots, for the stop checks
};

}  // namespace kirabel
