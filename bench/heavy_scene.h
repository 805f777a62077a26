#pragma once
// The heavy scene of the benchmarks: 500 particles that each burst into 500
// more, 250,500 particles with 30 trail divisions, in a 512 x 512 space.
#include "model/particle.h"

namespace kirabel::bench {

inline ParticleSet HeavySet(int32_t n, int32_t child) {
  ParticleSet s;
  s.red = 255;
  s.green = 200;
  s.blue = 120;
  s.count = n;
  s.originX = 256;
  s.originY = 200;
  s.speed = 3;
  s.speedSpread = 1.5L;
  s.directionSpread = 3.1415926535897932385L;
  s.birthSpread = 2;
  s.lifetime = 10;
  s.lifetimeSpread = 3;
  s.trailLength = 4;
  s.trailSamples = 30;
  s.visible = child != -1;
  s.child = child;
  s.maxGenerations = 2;
  s.name = child != -1 ? "shell" : "star";
  return s;
}

inline ParticleList HeavyScene() {
  return {HeavySet(500, 1), HeavySet(500, -1)};
}

// The heavy scene centred in a space of width x height.
inline ParticleList CentredHeavyScene(int32_t width, int32_t height) {
  ParticleList scene = HeavyScene();
  for (ParticleSet& set : scene) {
    set.originX += (width - 512) / 2;
    set.originY += (height - 512) / 2;
  }
  return scene;
}

// Time of a frame in the middle of the children's lives.
constexpr long double kHeavyFrameTime = 16;
constexpr long double kHeavyGravity = 0.05L;

}  // namespace kirabel::bench
