#pragma once
// Particle sets for simulation tests.
#include <random>

#include "model/particle.h"

namespace kirabel::testing {

// A set with the properties dialog's first values: white, 200 particles from
// (256, 256), speed 10 +- 5, all directions, birth 0 +- 5, life 20 +- 5,
// trail 5 with 100 divisions, two generations, no child, uniform modes.
inline ParticleSet MakeSet(int32_t n = 200, int32_t child = -1, int32_t am = 2) {
  ParticleSet s;
  s.blue = s.green = s.red = 255;
  s.count = n;
  s.originX = s.originY = 256;
  s.speed = 10;
  s.speedSpread = 5;
  s.direction = 0;
  s.directionSpread = 3.1415926535897932385L;
  s.birthTime = 0;
  s.birthSpread = 5;
  s.lifetime = 20;
  s.lifetimeSpread = 5;
  s.trailLength = 5;
  s.trailSamples = 100;
  s.maxGenerations = am;
  s.child = child;
  s.visible = true;
  s.name = "set";
  return s;
}

// A set that draws no random numbers and stands still: all spreads 0,
// speed 0, equally spaced modes.
inline ParticleSet StillSet(int32_t n, long double x, long double y) {
  ParticleSet s = MakeSet(n);
  s.originX = x;
  s.originY = y;
  s.speed = s.speedSpread = s.directionSpread = s.birthSpread = s.lifetimeSpread = 0;
  s.speedDistribution = s.directionDistribution = s.birthDistribution = s.lifetimeDistribution =
      kEvenDistribution;
  return s;
}

// A random scene of a few sets with children, modes and colours, kept small
// enough for the literal reference and inside a space of about 200 pixels.
inline ParticleList RandomScene(unsigned seed) {
  std::mt19937 rng(seed);
  auto real = [&](double lo, double hi) {
    return static_cast<long double>(std::uniform_real_distribution<double>(lo, hi)(rng));
  };
  auto whole = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  ParticleList list;
  const int sets = whole(1, 4);
  for (int i = 0; i < sets; ++i) {
    ParticleSet s = MakeSet(whole(0, 40));
    s.red = static_cast<uint8_t>(whole(0, 255));
    s.green = static_cast<uint8_t>(whole(0, 255));
    s.blue = static_cast<uint8_t>(whole(0, 255));
    s.originX = real(-20, 220);
    s.originY = real(-20, 180);
    s.speed = real(0, 8);
    s.speedSpread = real(0, 4);
    s.direction = real(-3, 3);
    s.directionSpread = real(0, 3.2);
    s.birthTime = real(-5, 10);
    s.birthSpread = real(0, 5);
    s.lifetime = real(0, 20);
    s.lifetimeSpread = real(0, 5);
    s.trailLength = whole(0, 5) == 0 ? 0 : real(-2, 8);
    s.trailSamples = whole(-1, 60);
    s.maxGenerations = whole(0, 3);
    s.child = whole(-1, sets - 1);
    s.visible = whole(0, 4) != 0;
    s.speedDistribution = whole(0, 3);
    s.directionDistribution = whole(-1, 2);
    s.birthDistribution = whole(0, 2);
    s.lifetimeDistribution = whole(0, 7);
    list.push_back(s);
  }
  return list;
}

}  // namespace kirabel::testing
