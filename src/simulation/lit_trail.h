#pragma once
// The trail of a star with effects: its samples at the ages the classic
// trail uses, each placed by the motion law of its set (drag and wind
// included) and lit by today's trail weight (k / trailSamples) times the
// star's brightness and colour at that sample's age. A fading star thus
// leaves a fading trail, a strobing one a dashed trail, a changing one a
// trail of both colours.
//
// A frame finds the trail's youngest living sample from the star's age and
// works out its point and strobe place in closed form; the older samples
// step from it (motion_step), so a frame depends on nothing but its time.
#include <cstdint>

#include "simulation/motion_step.h"
#include "simulation/star_light.h"
#include "simulation/trail.h"

namespace kirabel {

class SpaceBuffer;
class StarDiscs;

class LitTrail {
 public:
  // Loaded once per launched set: its trail, its light and the forces on it.
  void Load(const ParticleSet& set, const TrailSet& trail, const Forces& forces);

  const StarLight& Light() const { return light_; }

  // Draws the trail of star p at time t; strobePhase is the star's own
  // place in its strobe's cycle (a fraction x 2^64). With a star radius in
  // the options its samples are discs from discs, sized by their trail weight.
  void Draw(const ParticleState& p, uint64_t strobePhase, long double t,
            const RenderOptions& options, const StarDiscs& discs, SpaceBuffer& space) const;

 private:
  // The living samples of a trail whose first sample is at age a.
  struct LivingRun {
    int64_t youngest = 0;   // the number of the youngest sample
    int64_t direction = 1;  // +1 when the numbers rise with the age, -1 when they fall
    int64_t count = 0;      // how many samples live
    long double youngestAge = 0;
  };
  LivingRun LivingSamples(long double a, long double life) const;
  // Draws the run's samples with plot.
  template <class Plotter>
  void DrawRun(const ParticleState& p, uint64_t strobePhase, long double life, const LivingRun& run,
               const Plotter& plot) const;

  long double trailLength_ = 0;
  long double dt_ = 0;
  int32_t trailSamples_ = -1;
  double weightStep_ = 0;  // the trail weight of sample k is k x weightStep_ + weightFloor_
  double weightFloor_ = 1;
  StarLight light_;
  Forces forces_;
  MotionStep step_;          // from one sample to the next older one
  uint64_t strobeStep_ = 0;  // the strobe's move from one sample to the next older one
};

}  // namespace kirabel
