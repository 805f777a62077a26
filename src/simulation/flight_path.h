#pragma once
// The mean flight of a set's particles: a particle launched at the set's mean
// values (every random factor zero), moved by the launch's own arithmetic,
// and below it the mean flight of each generation of children from the
// parent's mean burst point, turned by the parent's direction at the burst
// as the launch turns them, each under the launch's gravity and wind and its
// set's drag. Drawn over the picture, these paths are exactly where such a
// particle flies.
#include <cstddef>
#include <vector>

#include "model/particle.h"
#include "simulation/particle_motion.h"

namespace kirabel {

// At most this many generations of a chain are followed.
constexpr std::size_t kMaxFlightGenerations = 16;

// One generation of a chain at its mean values.
struct MeanFlight {
  std::size_t set = 0;  // position in the list
  ParticleState particle;
  // What the set's own direction is measured from: 0 for a first
  // generation, else the parent's direction of motion at its burst.
  long double baseDirection = 0;
  Forces forces;  // what it flies under: the launch's air and its set's drag
};

// The chain that set `first` launches as a first generation: its own mean
// flight, then one per generation below as the launch walks the chain (the
// first set's generation count, each set's child link), ending where a set
// has no particles or the chain ends. Empty when `first` is no set or has no
// particles. At most `generations` generations are followed.
// air: the launch's gravity and wind.
std::vector<MeanFlight> MeanFlightChain(const ParticleList& list, std::size_t first,
                                        const Forces& air,
                                        std::size_t generations = kMaxFlightGenerations);

// Where set `set` flies: its own chain when it is visible; else, for a set
// that is only ever a child, the rest of the chain of the first visible set
// in whose chain it appears, from its own generation on. Empty when it never
// flies.
std::vector<MeanFlight> FlightsOfSet(const ParticleList& list, std::size_t set, const Forces& air);

// `segments` + 1 points of the particle's path, evenly spaced in age from its
// birth to its death (where its children appear).
std::vector<SpacePoint> PathPoints(const ParticleState& particle, const Forces& forces,
                                   int segments);

}  // namespace kirabel
