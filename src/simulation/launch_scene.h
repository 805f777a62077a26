#pragma once
// A scene: everything a launch is built and drawn from, as one value. The
// window's launch, the preview, the export, the thumbnails and kirabel-render
// each make one with MakeScene (simulation/make_scene.h) and hand it to the
// same launch and frame loop.
#include <cstdint>
#include <memory>

#include "model/launch_settings.h"
#include "model/particle.h"
#include "simulation/random.h"
#include "simulation/trail.h"

namespace kirabel {

class FrameDeveloper;

struct Scene {
  ParticleList sets;
  LaunchSettings settings;  // as the launch uses them (within their limits)
  RandomGenerator random;   // the generator's state the launch starts from
  RenderOptions options;
  int32_t width = 512;
  int32_t height = 512;
  int jobs = 1;  // threads that build and draw (1: frames have progress steps)
  // How a frame's light becomes its picture (the list's look); null: classic.
  std::shared_ptr<const FrameDeveloper> developer;
};

// The machine's cores, at least 1: the default number of jobs.
int AvailableCores();

}  // namespace kirabel
