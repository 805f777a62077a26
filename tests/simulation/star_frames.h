#pragma once
// Frames of small launches for the star effects' tests: a set of single
// stars without spread, a frame at a time, and what lights it.
#include <memory>
#include <vector>

#include "model/launch_settings.h"
#include "model/particle.h"
#include "simulation/canvas.h"
#include "simulation/launch.h"
#include "simulation/random.h"
#include "simulation/scene.h"

namespace kirabel::testing {

// n stars at (x, y) flying at speed in direction, born at 0 and living
// `life`, drawn as one sample each (no trail), white.
inline ParticleSet SingleStar(long double x, long double y, long double speed,
                              long double direction, long double life, int32_t n = 1) {
  ParticleSet set = StillSet(n, x, y);
  set.speed = speed;
  set.direction = direction;
  set.lifetime = life;
  set.trailLength = 0;
  set.trailSamples = 0;
  set.maxGenerations = 1;
  return set;
}

inline ParticleSet WithEffects(ParticleSet set, const StarEffects& effects) {
  set.SetEffects(effects);
  return set;
}

// The frame of a launch of list at time t.
inline std::unique_ptr<Canvas> FrameAt(const ParticleList& list, const LaunchSettings& settings,
                                       long double t, int32_t w = 512, int32_t h = 512,
                                       RenderOptions options = {}) {
  auto canvas = std::make_unique<Canvas>(w, h);
  RandomGenerator random(11);
  auto launch = Launch::Build(list, settings, random, INT64_MAX, {}).launch;
  launch->DrawAt(t, canvas->space, canvas->picture, options);
  return canvas;
}

struct LitPixel {
  int x;
  int y;
  uint32_t red;  // the space's plane 0
};

inline std::vector<LitPixel> LitPixels(const Canvas& canvas) {
  std::vector<LitPixel> lit;
  for (int y = 0; y < canvas.space.Height(); ++y) {
    for (int x = 0; x < canvas.space.Width(); ++x) {
      const uint32_t red = canvas.space.GetValue(0, x, y);
      if (red != 0) lit.push_back({x, y, red});
    }
  }
  return lit;
}

// The sum of plane `plane` over the space.
inline uint64_t TotalLight(const Canvas& canvas, int plane = 0) {
  uint64_t total = 0;
  for (int y = 0; y < canvas.space.Height(); ++y)
    for (int x = 0; x < canvas.space.Width(); ++x) total += canvas.space.GetValue(plane, x, y);
  return total;
}

}  // namespace kirabel::testing
