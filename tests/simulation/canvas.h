#pragma once
// A space buffer and a picture of the same size for drawing frames in tests,
// and a progress step that counts its calls and can stop a frame.
#include <cstdint>
#include <functional>
#include <vector>

#include "image/picture.h"
#include "simulation/space_buffer.h"

namespace kirabel::testing {

struct Canvas {
  Canvas(int32_t w = 64, int32_t h = 48) : space(w, h) {
    picture.SetHeight(h);
    picture.SetWidth(w);
  }
  std::vector<uint8_t> Bytes() const {
    return {picture.Bits(), picture.Bits() + picture.RowBytes() * picture.Height()};
  }
  SpaceBuffer space;
  Picture picture;
};

// Counts progress steps; stops the frame at step stopAt (1-based; 0: never)
// and runs onStep at every step.
struct StepCounter {
  int steps = 0;
  int stopAt = 0;
  std::function<void()> onStep;
  std::function<bool()> Step() {
    return [this] {
      ++steps;
      if (onStep) onStep();
      return steps != stopAt;
    };
  }
};

}  // namespace kirabel::testing
