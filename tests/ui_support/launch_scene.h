#pragma once
// A small burst for launches in window tests, and the bytes of a picture.
#include <cstdint>
#include <vector>

#include "image/picture.h"
#include "model/particle.h"

namespace kirabel::testing {

constexpr int kWidth = 64;
constexpr int kHeight = 48;

inline ParticleSet Burst() {
  ParticleSet p;
  p.name = "burst";
  p.red = 255;
  p.green = 200;
  p.blue = 40;
  p.speed = 8;
  p.speedSpread = 3;
  p.count = 40;
  p.originX = 32;
  p.originY = 24;
  p.directionSpread = 3.14159L;
  p.birthSpread = 1;
  p.lifetime = 20;
  p.lifetimeSpread = 2;
  p.trailLength = 3;
  p.trailSamples = 6;
  p.visible = true;
  p.child = -1;
  return p;
}

// The picture bytes of each row, without the padding.
inline std::vector<uint8_t> Pixels(const Picture& picture) {
  std::vector<uint8_t> pixels;
  for (int y = 0; y < picture.Height(); ++y) {
    const uint8_t* row = picture.Row(y);
    pixels.insert(pixels.end(), row, row + 3 * picture.Width());
  }
  return pixels;
}

}  // namespace kirabel::testing
