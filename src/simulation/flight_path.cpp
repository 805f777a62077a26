#include "simulation/flight_path.h"

#include <algorithm>

namespace kirabel {

namespace {

bool IsFlyingSet(const ParticleList& list, int64_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < list.size() &&
         list[static_cast<std::size_t>(index)].count > 0;
}

}  // namespace

std::vector<MeanFlight> MeanFlightChain(const ParticleList& list, std::size_t first,
                                        const Forces& air, std::size_t generations) {
  std::vector<MeanFlight> chain;
  if (!IsFlyingSet(list, static_cast<int64_t>(first))) return chain;
  const ParticleSet& firstSet = list[first];
  chain.push_back({first, FirstGenerationParticle(firstSet, MotionFactors()), 0, air.On(firstSet)});
  for (int64_t generation = 2; generation <= firstSet.maxGenerations; ++generation) {
    const int32_t child = list[chain.back().set].child;
    if (!IsFlyingSet(list, child) || chain.size() >= generations) break;
    const ParticleState& parent = chain.back().particle;
    const Burst burst = BurstOf(parent, chain.back().forces);
    const auto index = static_cast<std::size_t>(child);
    chain.push_back({index, ChildParticle(list[index], MotionFactors(), burst, parent.death),
                     burst.direction, air.On(list[index])});
  }
  return chain;
}

std::vector<MeanFlight> FlightsOfSet(const ParticleList& list, std::size_t set, const Forces& air) {
  if (set >= list.size()) return {};
  if (list[set].visible) return MeanFlightChain(list, set, air);
  for (std::size_t first = 0; first < list.size(); ++first) {
    if (!list[first].visible) continue;
    std::vector<MeanFlight> chain = MeanFlightChain(list, first, air);
    const auto own = std::find_if(chain.begin() + (chain.empty() ? 0 : 1), chain.end(),
                                  [set](const MeanFlight& flight) { return flight.set == set; });
    if (own != chain.end()) return std::vector<MeanFlight>(own, chain.end());
  }
  return {};
}

std::vector<SpacePoint> PathPoints(const ParticleState& particle, const Forces& forces,
                                   int segments) {
  segments = std::max(segments, 1);
  std::vector<SpacePoint> points;
  points.reserve(static_cast<std::size_t>(segments) + 1);
  const long double life = particle.death - particle.birth;
  for (int k = 0; k <= segments; ++k) {
    const long double age = k == segments ? life : life * k / segments;
    points.push_back(PositionAtAge(particle, age, forces));
  }
  return points;
}

}  // namespace kirabel
