#pragma once
// Sparks a star sheds in flight (glitter, tails, brocade). Spark j of a star
// leaves it at age j / sparkN with the star's velocity plus sparkV in a
// direction drawn from the star's key and j, then flies under the same
// gravity, drag and wind as the star and fades linearly over sparkLT. A frame
// draws the sparks alive at its time as single points, without any state.
#include <cstdint>

#include "model/particle.h"
#include "simulation/particle_motion.h"
#include "simulation/trail.h"

namespace kirabel {

class SpaceBuffer;

// Most sparks one star sheds; later ones are not shed. It bounds the work of
// a frame (and the estimate) whatever the rate and the star's life.
constexpr int64_t kMaxSparksPerStar = 4096;

// The sparks of a set, loaded once per launched set.
class SparkSet {
 public:
  SparkSet() = default;
  // The effects are held within their limits first.
  explicit SparkSet(const ParticleSet& set);

  // Whether the set's stars shed sparks at all.
  bool Sheds() const { return rate_ > 0; }

  // Draws the sparks of star p (its key from ParticleKey) alive at time t.
  void Draw(const ParticleState& p, uint64_t key, long double t, const Forces& forces,
            const RenderOptions& options, SpaceBuffer& space) const;

 private:
  long double rate_ = 0;
  long double lifetime_ = 0;
  long double speed_ = 0;
  long double colour_[3] = {0, 0, 0};  // red, green, blue x 128
};

// How many sparks one star of set sheds at most in a whole launch (its
// longest possible life at the set's rate, at most kMaxSparksPerStar).
int64_t SparksPerStar(const ParticleSet& set);

}  // namespace kirabel
