#pragma once
// The heavy scene of the benchmarks: 500 particles that each burst into 500
// more, 250,500 particles with 30 trail divisions, in a 512 x 512 space.
#include "model/particle.h"

namespace kirabel::bench {

inline TParticle HeavySet(int32_t n, int32_t child) {
  TParticle s;
  s.colR = 255;
  s.colG = 200;
  s.colB = 120;
  s.N = n;
  s.P0x = 256;
  s.P0y = 200;
  s.b = 3;
  s.eb = 1.5L;
  s.db = 3.1415926535897932385L;
  s.et = 2;
  s.lt = 10;
  s.elt = 3;
  s.tv = 4;
  s.ns = 30;
  s.visible = child != -1;
  s.child = child;
  s.am = 2;
  s.name = child != -1 ? "shell" : "star";
  return s;
}

inline ParticleList HeavyScene() {
  return {HeavySet(500, 1), HeavySet(500, -1)};
}

// Time of a frame in the middle of the children's lives.
constexpr long double kHeavyFrameTime = 16;
constexpr long double kHeavyGravity = 0.05L;

}  // namespace kirabel::bench
