#pragma once
// Sparks a star sheds in flight (glitter, tails, brocade). Spark j of a star
// leaves it at age j / sparkN with the star's velocity plus sparkV in a
// direction drawn from the star's key and j, then flies under the same
// gravity, drag and wind as the star and fades linearly over sparkLT. A frame
// draws the sparks alive at its time as single points (with film light and
// a star size too: they are glitter), without any state:
// it takes the star's point at the first living spark's shedding in closed
// form and steps it to the later ones. The directions are 4096 even ones,
// picked by the random number.
#include <cstdint>

#include "model/particle.h"
#include "simulation/motion_step.h"
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
  // The effects are held within their limits first; forces: the air on the
  // set's stars and sparks.
  SparkSet(const ParticleSet& set, const Forces& forces);

  // Whether the set's stars shed sparks at all.
  bool Sheds() const { return rate_ > 0; }

  // Draws the sparks of star p (its key from ParticleKey) alive at time t.
  void Draw(const ParticleState& p, uint64_t key, long double t, const RenderOptions& options,
            SpaceBuffer& space) const;

 private:
  MovingPoint Advanced(MovingPoint star) const;
  // Draws the sparks with plot (a PointPlotter).
  template <class Plotter>
  void DrawWith(const ParticleState& p, uint64_t key, long double t, const Plotter& plot) const;
  // Plots the spark shed from `star` (its point at the shedding) in the
  // direction (awayX, awayY), of age sparkAge.
  template <class Plotter>
  void PlotSpark(const MovingPoint& star, double awayX, double awayY, double sparkAge,
                 const Plotter& plot) const;

  long double rate_ = 0;
  double interval_ = 0;  // the time between two sheddings
  long double lifetime_ = 0;
  double speed_ = 0;
  double colour_[3] = {0, 0, 0};  // red, green, blue x 128
  Forces forces_;
  MotionStep shedStep_;  // the star's motion from one shedding to the next
};

// How many sparks one star of set sheds at most in a whole launch (its
// longest possible life at the set's rate, at most kMaxSparksPerStar).
int64_t SparksPerStar(const ParticleSet& set);

}  // namespace kirabel
