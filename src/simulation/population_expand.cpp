// The expansion of the particle list into the launch list. A burst below a
// particle is expanded completely before the next particle of its parent set
// is computed; the chain of generations can be a million sets deep, so the
// depth-first walk keeps its own stack instead of recursing.
#include <cmath>
#include <new>
#include <stdexcept>
#include <vector>

#include "platform/errors.h"
#include "simulation/population.h"
#include "simulation/random.h"

namespace kirabel {

namespace {

constexpr long double kPi = 3.1415926535897932385L;

struct Point {
  long double x;
  long double y;
};

// Where and in which direction a particle bursts when it dies.
struct Burst {
  Point origin;
  long double direction;
};

// The particle's position at its death and its direction of motion there
// (0 = up, counter-clockwise; 0, pi, or strictly between pi and 3 pi).
Burst BurstOf(const TParticleState& p, long double g) {
  const long double l = p.death - p.birth;
  Burst burst;
  burst.origin.x = p.vx * l + p.x0;
  burst.origin.y = (p.vy * l + p.y0) + (g * l * l) / 2;
  const long double v = g * l + p.vy;
  if (std::fabs(p.vx) >= 0.00001L) {
    burst.direction = std::atan(-v / p.vx) + 3 * kPi / 2;
    if (p.vx < 0) burst.direction = burst.direction + kPi;
  } else {
    burst.direction = v > 0 ? kPi : 0;
  }
  return burst;
}

// The four factors of particle i, drawn in this order: birth time, lifetime,
// direction, speed.
struct Factors {
  long double r1, r2, r3, r4;
};

Factors DrawFactors(const TParticle& set, int32_t i) {
  Factors f;
  f.r1 = RandomFactor(set.rmGT, i, set.N);
  f.r2 = RandomFactor(set.rmLT, i, set.N);
  f.r3 = RandomFactor(set.rmVB, i, set.N);
  f.r4 = RandomFactor(set.rmB, i, set.N);
  return f;
}

void SetMotion(TParticleState& p, long double theta, long double s) {
  p.vx = std::sin(theta) * (-s);
  p.vy = std::cos(theta) * (-s);
}

// Particle i of a first-generation set.
void FillFirst(const TParticle& set, int32_t i, TParticleState& p) {
  const Factors f = DrawFactors(set, i);
  p.birth = f.r1 * set.et + set.gt;
  p.death = (f.r2 * set.elt + set.lt) + p.birth;
  const long double theta = f.r3 * set.db + set.vb;
  const long double s = f.r4 * set.eb + set.b;
  SetMotion(p, theta, s);
  p.x0 = set.P0x;
  p.y0 = set.P0y;
}

// One launched set whose particles are still being computed.
struct Pending {
  std::size_t launched;  // position in the launch list
  int32_t next;          // next particle to compute
  int32_t generationsLeft;
  bool firstGeneration;
  long double baseTime;
  long double baseDirection;
  Point origin;
};

class Expansion {
 public:
  Expansion(const ParticleList& list, long double g, LaunchList& launchList)
      : list_(list), g_(g), launchList_(launchList) {}

  void LaunchFirstGeneration(std::size_t index) {
    Pending first{Append(list_[index]), 0, 0, true, 0, 0, {0, 0}};
    stack_.push_back(first);
    Run();
  }

 private:
  std::size_t Append(const TParticle& source) {
    launchList_.emplace_back();
    TParticle& launched = launchList_.back();
    launched.Assign(source);
    if (launched.N < 0) launched.N = 0;
    launched.states.resize(static_cast<std::size_t>(launched.N));
    return launchList_.size() - 1;
  }

  // Launches one copy of set childIndex as the burst of a dying particle.
  // Nothing is launched when no generation is left or no such set exists.
  void LaunchChildren(int32_t generationsLeft, int32_t childIndex, const Burst& burst,
                      long double baseTime) {
    if (generationsLeft < 0) return;
    if (childIndex < 0 || static_cast<std::size_t>(childIndex) >= list_.size()) return;
    Pending child{Append(list_[static_cast<std::size_t>(childIndex)]),
                  0,
                  generationsLeft,
                  false,
                  baseTime,
                  burst.direction,
                  burst.origin};
    stack_.push_back(child);
  }

  void FillChild(const Pending& at, const TParticle& set, int32_t i, TParticleState& p) const {
    const Factors f = DrawFactors(set, i);
    p.birth = (f.r1 * set.et + at.baseTime) + set.gt;
    p.death = (f.r2 * set.elt + set.lt) + p.birth;
    const long double theta = f.r3 * set.db + (at.baseDirection + set.vb);
    const long double s = f.r4 * set.eb + set.b;
    SetMotion(p, theta, s);
    p.x0 = at.origin.x;
    p.y0 = at.origin.y;
  }

  // Computes the next particle of the set on top of the stack and pushes its
  // burst, or pops the set when all its particles are done.
  void Run() {
    while (!stack_.empty()) {
      Pending& top = stack_.back();
      TParticle& set = launchList_[top.launched];
      if (top.next >= set.N) {
        stack_.pop_back();
        continue;
      }
      const int32_t i = top.next++;
      TParticleState& p = set.states[static_cast<std::size_t>(i)];
      if (top.firstGeneration) {
        FillFirst(set, i, p);
        if (set.am >= 2 && set.child != -1) {
          LaunchChildren(set.am - 2, set.child, BurstOf(p, g_), p.death);
        }
      } else {
        const Pending at = top;
        FillChild(at, set, i, p);
        if (set.child != -1) {
          LaunchChildren(at.generationsLeft - 1, set.child, BurstOf(p, g_), p.death);
        }
      }
    }
  }

  const ParticleList& list_;
  long double g_;
  LaunchList& launchList_;
  std::vector<Pending> stack_;
};

}  // namespace

void PopulateLaunchList(const ParticleList& list, long double g, LaunchList& launchList) {
  try {
    Expansion expansion(list, g, launchList);
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i].visible) expansion.LaunchFirstGeneration(i);
    }
  } catch (const std::bad_alloc&) {
    launchList.clear();
    throw OutOfMemoryError();
  } catch (const std::length_error&) {
    launchList.clear();
    throw OutOfMemoryError();
  }
}

}  // namespace kirabel
