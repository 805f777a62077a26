#pragma once
// Particle sets for simulation tests.
#include <random>

#include "model/particle.h"

namespace kirabel::testing {

// A set with the properties dialog's first values: white, 200 particles from
// (256, 256), speed 10 +- 5, all directions, birth 0 +- 5, life 20 +- 5,
// trail 5 with 100 divisions, two generations, no child, uniform modes.
inline TParticle MakeSet(int32_t n = 200, int32_t child = -1, int32_t am = 2) {
  TParticle s;
  s.colB = s.colG = s.colR = 255;
  s.N = n;
  s.P0x = s.P0y = 256;
  s.b = 10;
  s.eb = 5;
  s.vb = 0;
  s.db = 3.1415926535897932385L;
  s.gt = 0;
  s.et = 5;
  s.lt = 20;
  s.elt = 5;
  s.tv = 5;
  s.ns = 100;
  s.am = am;
  s.child = child;
  s.visible = true;
  s.name = "set";
  return s;
}

// A set that draws no random numbers and stands still: all spreads 0,
// speed 0, equally spaced modes.
inline TParticle StillSet(int32_t n, long double x, long double y) {
  TParticle s = MakeSet(n);
  s.P0x = x;
  s.P0y = y;
  s.b = s.eb = s.db = s.et = s.elt = 0;
  s.rmB = s.rmVB = s.rmGT = s.rmLT = rmEven;
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
    TParticle s = MakeSet(whole(0, 40));
    s.colR = static_cast<uint8_t>(whole(0, 255));
    s.colG = static_cast<uint8_t>(whole(0, 255));
    s.colB = static_cast<uint8_t>(whole(0, 255));
    s.P0x = real(-20, 220);
    s.P0y = real(-20, 180);
    s.b = real(0, 8);
    s.eb = real(0, 4);
    s.vb = real(-3, 3);
    s.db = real(0, 3.2);
    s.gt = real(-5, 10);
    s.et = real(0, 5);
    s.lt = real(0, 20);
    s.elt = real(0, 5);
    s.tv = whole(0, 5) == 0 ? 0 : real(-2, 8);
    s.ns = whole(-1, 60);
    s.am = whole(0, 3);
    s.child = whole(-1, sets - 1);
    s.visible = whole(0, 4) != 0;
    s.rmB = whole(0, 3);
    s.rmVB = whole(-1, 2);
    s.rmGT = whole(0, 2);
    s.rmLT = whole(0, 7);
    list.push_back(s);
  }
  return list;
}

}  // namespace kirabel::testing
