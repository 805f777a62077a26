// The expansion of the particle list into the launch list, in two passes.
//
// The plan pass walks the launch depth first, exactly as the launch order
// and the draw order demand: a burst below a particle is planned completely
// before the next particle of its parent set. Which sets are launched, and
// how many numbers each particle draws, depend only on the list (counts,
// children, generations, distributions), never on drawn values, so this pass only records, for
// every particle, the generator state before its four factors, and advances the generator past
// them. The chain of generations can be a million sets deep, so the walk keeps its own stack
// instead of recursing.
//
// The compute pass then gives each set its state array, replays each
// particle's factors from its recorded state and computes its kinematics. A burst set needs only
// the state of the particle that spawns it, so all sets of one generation depth can be computed at
// the same time; large generations are shared out among threads.
//
// With own random streams (OWNRANDOM) the plan records the states of a
// stream of each launched set's own instead of the launch's generator: a
// first generation's stream starts from its set's seed, a burst's from the
// stream of the spawning set, the spawning particle and the burst set's
// seed. No set then draws numbers another set would have drawn.
#include <algorithm>
#include <atomic>
#include <limits>
#include <new>
#include <stdexcept>
#include <vector>

#include "platform/errors.h"
#include "simulation/counter_random.h"
#include "simulation/parallel_jobs.h"
#include "simulation/particle_motion.h"
#include "simulation/population.h"
#include "simulation/random.h"

namespace kirabel {

namespace {

constexpr std::size_t kNoParent = std::numeric_limits<std::size_t>::max();
// A generation with fewer particles is computed on the calling thread.
constexpr int64_t kParallelParticles = 8192;

// The four factors of particle i, replayed from the generator state before
// them, in draw order: birth time, lifetime, direction, speed.
MotionFactors DrawFactors(const ParticleSet& set, int32_t i, uint32_t seed) {
  RandomGenerator random(seed);
  MotionFactors f;
  f.birth = RandomFactor(set.birthDistribution, i, set.count, random);
  f.lifetime = RandomFactor(set.lifetimeDistribution, i, set.count, random);
  f.direction = RandomFactor(set.directionDistribution, i, set.count, random);
  f.speed = RandomFactor(set.speedDistribution, i, set.count, random);
  return f;
}

// What the plan pass records of each launched set.
struct Planned {
  std::size_t parentSet;   // the launched set of the spawning particle, or kNoParent
  int32_t parentParticle;  // its index there
  uint32_t depth;          // generation - 1
  std::size_t firstSeed;   // where the set's particles start in the seed list
  uint64_t streamKey;      // the key of its own random stream (own random streams only)
};

// The seed a set's own stream starts from: its own, or for a set without one
// a seed made from its name (so such sets keep their particles too, unless
// renamed; sets of the same name then share a stream).
uint64_t StreamSeed(const ParticleSet& set) {
  if (set.Effects().seed != 0) return static_cast<uint32_t>(set.Effects().seed);
  uint64_t hash = 0xCBF29CE484222325ull;  // FNV-1a
  for (const char c : set.name) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  return hash;
}

// A launched set whose particles are still being planned.
struct Pending {
  std::size_t launched;
  int32_t next;
  int32_t generationsLeft;
};

class Expansion {
 public:
  Expansion(const ParticleList& list, const Forces& air, bool ownRandom, RandomGenerator& random,
            LaunchList& launchList)
      : list_(list), air_(air), ownRandom_(ownRandom), random_(random), launchList_(launchList) {}

  // The plan pass for one visible set of the list.
  void PlanFirstGeneration(std::size_t index) {
    stack_.push_back(Pending{Append(list_[index], kNoParent, 0), 0, 0});
    Plan();
  }

  // The compute pass: generation by generation.
  void Compute(int jobs) {
    std::vector<std::size_t> order(planned_.size());
    for (std::size_t s = 0; s < order.size(); ++s) order[s] = s;
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
      return planned_[a].depth < planned_[b].depth;
    });
    std::size_t begin = 0;
    while (begin < order.size()) {
      std::size_t end = begin;
      int64_t particles = 0;
      const uint32_t depth = planned_[order[begin]].depth;
      for (; end < order.size() && planned_[order[end]].depth == depth; ++end) {
        particles += launchList_[order[end]].count;
      }
      ComputeGeneration(order, begin, end, particles >= kParallelParticles ? jobs : 1);
      begin = end;
    }
  }

 private:
  std::size_t Append(const ParticleSet& source, std::size_t parentSet, int32_t parentParticle) {
    LaunchedSet& launched = launchList_.emplace_back(source);
    if (launched.count < 0) launched.count = 0;
    const uint32_t depth = parentSet == kNoParent ? 0 : planned_[parentSet].depth + 1;
    const uint64_t key = ownRandom_ ? StreamKey(source, parentSet, parentParticle) : 0;
    planned_.push_back(Planned{parentSet, parentParticle, depth, seeds_.size(), key});
    if (ownRandom_) streams_.emplace_back(static_cast<uint32_t>(key));
    seeds_.resize(seeds_.size() + static_cast<std::size_t>(launched.count));
    return launchList_.size() - 1;
  }

  // The key of the own stream of a launched copy of source: from its seed for
  // a first generation, else also from the spawning set's key and particle.
  uint64_t StreamKey(const ParticleSet& source, std::size_t parentSet,
                     int32_t parentParticle) const {
    const uint64_t seed = MixBits(StreamSeed(source));
    if (parentSet == kNoParent) return seed;
    const uint64_t parent =
        CombineKeys(planned_[parentSet].streamKey, static_cast<uint64_t>(parentParticle));
    return CombineKeys(parent, seed);
  }

  // Launches one copy of set childIndex as the burst of particle
  // parentParticle of launched set parentSet. Nothing is launched when no
  // generation is left or no such set exists.
  void LaunchChildren(int32_t generationsLeft, int32_t childIndex, std::size_t parentSet,
                      int32_t parentParticle) {
    if (generationsLeft < 0) return;
    if (childIndex < 0 || static_cast<std::size_t>(childIndex) >= list_.size()) return;
    const std::size_t launched =
        Append(list_[static_cast<std::size_t>(childIndex)], parentSet, parentParticle);
    stack_.push_back(Pending{launched, 0, generationsLeft});
  }

  // Plans the next particle of the set on top of the stack and pushes its
  // burst, or pops the set when all its particles are planned.
  void Plan() {
    while (!stack_.empty()) {
      Pending& top = stack_.back();
      const std::size_t launched = top.launched;
      const LaunchedSet& set = launchList_[launched];
      if (top.next >= set.count) {
        stack_.pop_back();
        continue;
      }
      const int32_t i = top.next++;
      const int32_t generationsLeft = top.generationsLeft;
      RandomGenerator& random = ownRandom_ ? streams_[launched] : random_;
      seeds_[planned_[launched].firstSeed + static_cast<std::size_t>(i)] = random.State();
      random.Skip(DrawCount(set.birthDistribution) + DrawCount(set.lifetimeDistribution) +
                  DrawCount(set.directionDistribution) + DrawCount(set.speedDistribution));
      if (planned_[launched].parentSet == kNoParent) {
        if (set.maxGenerations >= 2 && set.child != -1)
          LaunchChildren(set.maxGenerations - 2, set.child, launched, i);
      } else if (set.child != -1) {
        LaunchChildren(generationsLeft - 1, set.child, launched, i);
      }
    }
  }

  void ComputeSet(std::size_t s) {
    LaunchedSet& set = launchList_[s];
    set.states.resize(static_cast<std::size_t>(set.count));
    const Planned& plan = planned_[s];
    const uint32_t* seeds = seeds_.data() + plan.firstSeed;
    if (plan.parentSet == kNoParent) {
      for (int32_t i = 0; i < set.count; ++i)
        set.states[i] = FirstGenerationParticle(set, DrawFactors(set, i, seeds[i]));
      return;
    }
    const ParticleState& parent =
        launchList_[plan.parentSet].states[static_cast<std::size_t>(plan.parentParticle)];
    const Burst burst = BurstOf(parent, air_.On(launchList_[plan.parentSet]));
    for (int32_t i = 0; i < set.count; ++i) {
      set.states[i] = ChildParticle(set, DrawFactors(set, i, seeds[i]), burst, parent.death);
    }
  }

  void ComputeGeneration(const std::vector<std::size_t>& order, std::size_t begin, std::size_t end,
                         int jobs) {
    if (jobs <= 1) {
      for (std::size_t k = begin; k < end; ++k) ComputeSet(order[k]);
      return;
    }
    std::atomic<std::size_t> next{begin};
    std::atomic<bool> outOfMemory{false};
    RunJobs(jobs, [&](int) {
      try {
        for (std::size_t k = next++; k < end; k = next++) ComputeSet(order[k]);
      } catch (const std::bad_alloc&) {
        outOfMemory = true;
        next = end;
      }
    });
    if (outOfMemory) throw std::bad_alloc();
  }

  const ParticleList& list_;
  Forces air_;
  bool ownRandom_;
  RandomGenerator& random_;
  std::vector<RandomGenerator> streams_;  // per launched set, with own random streams
  LaunchList& launchList_;
  std::vector<Pending> stack_;
  std::vector<Planned> planned_;
  std::vector<uint32_t> seeds_;
};

}  // namespace

void PopulateLaunchList(const ParticleList& list, long double g, RandomGenerator& random,
                        LaunchList& launchList, int jobs) {
  LaunchSettings settings;
  settings.gravity = g;
  PopulateLaunchList(list, settings, random, launchList, jobs);
}

void PopulateLaunchList(const ParticleList& list, const LaunchSettings& settings,
                        RandomGenerator& random, LaunchList& launchList, int jobs) {
  try {
    Expansion expansion(list, Forces(settings.gravity, settings.wind), settings.ownRandom, random,
                        launchList);
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i].visible) expansion.PlanFirstGeneration(i);
    }
    expansion.Compute(jobs);
  } catch (const std::bad_alloc&) {
    launchList.clear();
    throw OutOfMemoryError();
  } catch (const std::length_error&) {
    launchList.clear();
    throw OutOfMemoryError();
  }
}

}  // namespace kirabel
