#include "simulation/population.h"

#include <limits>
#include <unordered_map>

#include "simulation/sparks.h"

namespace kirabel {

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();

int64_t SatAdd(int64_t a, int64_t b) {
  int64_t r;
  return __builtin_add_overflow(a, b, &r) ? kMax : r;
}

int64_t SatMul(int64_t a, int64_t b) {
  int64_t r;
  return __builtin_mul_overflow(a, b, &r) ? kMax : r;
}

int64_t Count(const ParticleSet& set) {
  return set.count > 0 ? set.count : 0;
}

bool IsSetIndex(const ParticleList& list, int32_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < list.size();
}

// Adds a generation of `product` particles of set.
void AddGeneration(const ParticleSet& set, int64_t product, ParticleEstimate& est) {
  est.particles = SatAdd(est.particles, product);
  est.sparks = SatAdd(est.sparks, SatMul(product, SparksPerStar(set)));
}

// Where the walk of one chain stood when it last left a set.
struct Visit {
  int64_t stepsLeft;
  int64_t product;
  ParticleEstimate estimate;
};

// Adds the first generation `start` and its chain of child generations. A
// chain that loops with a particle product of 1 per round (a set that is its
// own child with N = 1, say) is summed a whole number of rounds at a time, so
// that a generation limit of two billion costs no more than a short chain.
void AddChain(const ParticleList& list, std::size_t start, ParticleEstimate& est) {
  const ParticleSet& first = list[start];
  int64_t product = Count(first);
  est.launchedSets = SatAdd(est.launchedSets, 1);
  AddGeneration(first, product, est);
  if (first.maxGenerations < 2) return;
  int64_t stepsLeft = static_cast<int64_t>(first.maxGenerations) - 1;
  std::size_t current = start;
  std::unordered_map<std::size_t, Visit> seen;
  bool looped = false;
  while (stepsLeft > 0 && product > 0 && est.particles < kMax) {
    const int32_t child = list[current].child;
    if (!IsSetIndex(list, child)) break;
    if (!looped) {
      auto found = seen.find(current);
      if (found != seen.end() && found->second.product == product) {
        const Visit& v = found->second;
        const int64_t length = v.stepsLeft - stepsLeft;
        const int64_t rounds = stepsLeft / length;
        est.particles = SatAdd(est.particles, SatMul(rounds, est.particles - v.estimate.particles));
        est.launchedSets =
            SatAdd(est.launchedSets, SatMul(rounds, est.launchedSets - v.estimate.launchedSets));
        est.sparks = SatAdd(est.sparks, SatMul(rounds, est.sparks - v.estimate.sparks));
        stepsLeft -= rounds * length;
        looped = true;
        continue;
      }
      seen[current] = Visit{stepsLeft, product, est};
    }
    current = static_cast<std::size_t>(child);
    est.launchedSets = SatAdd(est.launchedSets, product);
    product = SatMul(product, Count(list[current]));
    AddGeneration(list[current], product, est);
    --stepsLeft;
  }
}

}  // namespace

uint64_t ParticleEstimate::Bytes() const {
  // The record with its allocation overhead and its plan entries; per
  // particle the state and the recorded generator state.
  constexpr uint64_t kPerSet = sizeof(ParticleSet) + 64 + 48;
  constexpr uint64_t kPerParticle = sizeof(ParticleState) + sizeof(uint32_t);
  const long double bytes = static_cast<long double>(particles) * kPerParticle +
                            static_cast<long double>(launchedSets) * kPerSet;
  constexpr long double kLimit = 18446744073709551615.0L;
  return bytes >= kLimit ? std::numeric_limits<uint64_t>::max() : static_cast<uint64_t>(bytes);
}

int64_t ParticleEstimate::Total() const {
  return SatAdd(particles, sparks);
}

ParticleEstimate EstimateParticles(const ParticleList& list) {
  ParticleEstimate est;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].visible) AddChain(list, i, est);
  }
  return est;
}

bool FitsInMemory(const ParticleEstimate& estimate, uint64_t memoryBytes) {
  // Without a figure from the system, stay within what a 47-bit address
  // space can map at all.
  const uint64_t limit = memoryBytes != 0 ? memoryBytes : (uint64_t{1} << 47);
  return estimate.Bytes() <= limit;
}

}  // namespace kirabel
