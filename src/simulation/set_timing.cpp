#include "simulation/set_timing.h"

#include <cmath>

#include "model/set_number_limits.h"

namespace kirabel {

namespace {

bool IsSetIndex(const ParticleList& list, int32_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < list.size();
}

// The span of a set whose particles appear `base` later than its own birth
// time says, the base itself blurred by `baseSpread`.
TimeSpan SpanAfter(const ParticleSet& set, long double base, long double baseSpread) {
  TimeSpan span;
  span.birth = base + set.birthTime;
  span.death = span.birth + set.lifetime;
  span.birthSpread = baseSpread + std::fabs(set.birthSpread);
  span.deathSpread = span.birthSpread + std::fabs(set.lifetimeSpread);
  return span;
}

// The chain below a first generation, as the launch walks it: the first
// set's generation count decides how many generations there are, each
// generation's own child link which set comes next.
std::vector<GenerationSpan> GenerationsOf(const ParticleList& list, const ParticleSet& first,
                                          const TimeSpan& firstSpan, long double until) {
  std::vector<GenerationSpan> generations;
  const ParticleSet* parent = &first;
  TimeSpan parentSpan = firstSpan;
  for (int64_t generation = 2; generation <= first.maxGenerations; ++generation) {
    if (!IsSetIndex(list, parent->child) || generations.size() >= kMaxListedGenerations) break;
    const auto index = static_cast<std::size_t>(parent->child);
    const ParticleSet& child = list[index];
    const TimeSpan span = SpanAfter(child, parentSpan.death, parentSpan.deathSpread);
    if (span.birth > until) break;
    generations.push_back({index, span});
    parent = &child;
    parentSpan = span;
  }
  return generations;
}

}  // namespace

std::vector<SetTiming> ListTiming(const ParticleList& list, long double until) {
  std::vector<SetTiming> timings;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const ParticleSet& set = list[i];
    if (!set.visible) continue;
    SetTiming timing;
    timing.set = i;
    timing.span = SpanAfter(set, 0, 0);
    timing.bursts = set.maxGenerations >= 2 && IsSetIndex(list, set.child);
    timing.generations = GenerationsOf(list, set, timing.span, until);
    timings.push_back(std::move(timing));
  }
  return timings;
}

ParticleSet WithTiming(const ParticleSet& set, long double birthTime, long double lifetime) {
  ParticleSet changed = set;
  changed.birthTime = StoredWithinLimits(SetNumber::kBirthTime, birthTime);
  changed.lifetime = StoredWithinLimits(SetNumber::kLifetime, lifetime);
  return changed;
}

}  // namespace kirabel
