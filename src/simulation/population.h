#pragma once
// Particle population: turns the visible sets of the particle list into the
// launch list, one launched set per burst, with every child burst below the
// particle that spawns it, depth first, drawing from the shared generator.
#include <cstdint>
#include <deque>
#include <string>

#include "model/particle.h"

namespace kirabel {

class LaunchHost;

// The launched sets of one launch in launch order. Each is a copy of a set of
// the particle list whose states hold one record per particle. A deque keeps
// references to its elements valid while sets are appended.
using LaunchList = std::deque<TParticle>;

// What a launch of the list will create.
struct ParticleEstimate {
  int64_t particles = 0;     // saturates at INT64_MAX
  int64_t launchedSets = 0;  // saturates at INT64_MAX
  // Bytes the launch list needs (saturating).
  uint64_t Bytes() const;
};

// Counts the particles and launched sets that BuildLaunchList creates: every
// visible set with its chain of child generations up to its am. A negative N
// counts as 0; a child naming no set ends the chain.
ParticleEstimate EstimateParticles(const ParticleList& list);

// "%d個の粒子が作られます。計算を続けていいですか？"
std::string ParticleCountQuestion(int64_t total);
// The refusal shown when a launch could not fit into the machine's memory.
std::string ParticleMemoryRefusal(int64_t total);

// Whether the launch list of this estimate fits into memoryBytes (0: unknown,
// then anything fits that the address space can hold).
bool FitsInMemory(const ParticleEstimate& estimate, uint64_t memoryBytes);

// Refuses (warning through host, false) a launch that cannot fit into memory;
// otherwise asks the user through host when the total reaches TooMany and
// returns the answer; below TooMany returns true without a message.
bool ConfirmParticleCount(const ParticleList& list, LaunchHost& host);

// Calls ConfirmParticleCount; on false returns false with launchList untouched
// and no random number drawn. Otherwise appends the launched sets of every
// visible set (launchList is expected empty) and returns true. g is the
// gravity of the launch. If memory runs out, launchList is emptied again and
// OutOfMemoryError is raised. jobs > 1 computes large generations on that
// many threads; the result is the same.
bool BuildLaunchList(const ParticleList& list, long double g, LaunchHost& host,
                     LaunchList& launchList, int jobs = 1);

// The expansion itself, without the confirmation: appends the launched sets
// of every visible set of list to launchList, drawing from RandomSeed in the
// depth-first order of the launch.
void PopulateLaunchList(const ParticleList& list, long double g, LaunchList& launchList,
                        int jobs = 1);

}  // namespace kirabel
