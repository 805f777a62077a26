#pragma once
// When the sets of a list shine, as a launch turns them into particles: each
// visible set's particles appear around the mean birth time and die around
// birth + lifetime, both ends blurred by the random spreads; a set with a
// child bursts when its particles die, and every generation of the chain
// appears at its parent's death plus its own birth time.
#include <cstddef>
#include <vector>

#include "model/particle.h"

namespace kirabel {

// A span of list time at the mean values; each end may fall anywhere within
// its spread on either side.
struct TimeSpan {
  long double birth = 0;
  long double death = 0;
  long double birthSpread = 0;  // half the width of the birth's range
  long double deathSpread = 0;

  friend bool operator==(const TimeSpan& a, const TimeSpan& b) {
    return a.birth == b.birth && a.death == b.death && a.birthSpread == b.birthSpread &&
           a.deathSpread == b.deathSpread;
  }
};

// One generation a set launches: the set that bursts out and when.
struct GenerationSpan {
  std::size_t set = 0;  // position in the list
  TimeSpan span;
};

struct SetTiming {
  std::size_t set = 0;  // position in the list
  TimeSpan span;
  // Whether the set's particles burst into a child set (at span.death).
  bool bursts = false;
  // The second, third, ... generation, in order.
  std::vector<GenerationSpan> generations;
};

// At most this many generations are listed below a set: a long chain would
// only fill the row with bars far beyond any launch.
constexpr std::size_t kMaxListedGenerations = 16;

// The timing of every visible set of the list, in list order. Generations
// are listed until the chain ends, kMaxListedGenerations is reached or a
// generation appears after `until` (the last moment worth showing).
std::vector<SetTiming> ListTiming(const ParticleList& list, long double until);

// The set with its mean birth (a first generation's birth time) and its
// lifetime replaced, each held within what the properties dialog's fields
// accept.
ParticleSet WithTiming(const ParticleSet& set, long double birthTime, long double lifetime);

}  // namespace kirabel
