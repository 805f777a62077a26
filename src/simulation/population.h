#pragma once
// Particle population: turns the visible sets of the particle list into the
// launch list, one launched set per burst, with every child burst below the
// particle that spawns it, depth first, drawing from the launch's generator.
#include <cstdint>
#include <deque>
#include <vector>

#include "model/launch_settings.h"
#include "model/particle.h"

namespace kirabel {

class RandomGenerator;

// Kinematics of one launched particle, all in extended precision.
struct ParticleState {
  long double birth = 0;
  long double death = 0;
  long double x0 = 0;
  long double y0 = 0;
  long double vx = 0;
  long double vy = 0;
};

// What a launch builds from a particle set: a copy of the set with one state
// per particle.
struct LaunchedSet : ParticleSet {
  LaunchedSet() = default;
  explicit LaunchedSet(const ParticleSet& set) : ParticleSet(set) {}
  std::vector<ParticleState> states;
};

// The launched sets of one launch in launch order. A deque keeps references
// to its elements valid while sets are appended.
using LaunchList = std::deque<LaunchedSet>;

// What a launch of the list will create.
struct ParticleEstimate {
  int64_t particles = 0;     // saturates at INT64_MAX
  int64_t launchedSets = 0;  // saturates at INT64_MAX
  // The sparks the particles shed at most (saturating). They are drawn from
  // their stars alone, so they cost drawing time but no memory.
  int64_t sparks = 0;
  // Particles and sparks together: what the warning and the refusal count.
  int64_t Total() const;
  // Bytes the launch list needs (saturating).
  uint64_t Bytes() const;
};

// Counts the particles and launched sets that a launch of the list creates:
// every visible set with its chain of child generations up to its
// maxGenerations, and the sparks their stars shed. A negative count counts
// as 0; a child naming no set ends the chain.
ParticleEstimate EstimateParticles(const ParticleList& list);

// Whether the launch list of this estimate fits into memoryBytes (0: unknown,
// then anything fits that the address space can hold).
bool FitsInMemory(const ParticleEstimate& estimate, uint64_t memoryBytes);

// Appends the launched sets of every visible set of list to launchList,
// drawing from random in the depth-first order of the launch. g is the
// gravity of the launch, in still air. If memory runs out, launchList is emptied again and
// OutOfMemoryError is raised. jobs > 1 computes large generations on that
// many threads; the result is the same.
void PopulateLaunchList(const ParticleList& list, long double g, RandomGenerator& random,
                        LaunchList& launchList, int jobs = 1);
// The same under a launch's settings: its gravity and wind, and with
// ownRandom every set drawing from its own stream (random is then left as it
// was).
void PopulateLaunchList(const ParticleList& list, const LaunchSettings& settings,
                        RandomGenerator& random, LaunchList& launchList, int jobs = 1);

}  // namespace kirabel
