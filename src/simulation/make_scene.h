#pragma once
// The one place a scene is made. The window's launch, the preview, the export,
// the shell thumbnails and kirabel-render all make their scenes here, so that
// a list launches alike wherever it is drawn; only the target differs.
#include <cstdint>
#include <memory>

#include "model/launch_settings.h"
#include "model/options.h"
#include "model/particle.h"
#include "simulation/launch_scene.h"
#include "simulation/random.h"
#include "simulation/trail.h"

namespace kirabel {

// The drawing options the window's options ask for.
RenderOptions DrawingOptions(const Options& options);

// What a scene's pictures are drawn for: their size, the drawing options and
// the threads that build and draw them.
struct SceneTarget {
  int32_t width = 512;
  int32_t height = 512;
  RenderOptions options;
  int jobs = 1;

  // The window's launch into its viewer's picture: one thread, so that every
  // frame has its progress steps.
  static SceneTarget WindowLaunch(int32_t width, int32_t height, const Options& options);
  // The preview into the viewer's picture, on all cores.
  static SceneTarget Preview(int32_t width, int32_t height, const Options& options);
  // The window's export at the space resolution, on all cores.
  static SceneTarget Export(const Options& options);
  // A shell's thumbnail: 512 x 512 and anti-aliased, as kirabel-render
  // --antialias draws, on all cores.
  static SceneTarget Thumbnail();
};

// The scene of a list's launch: the sets, the settings held to the launch
// limits (as the launch settings dialog hands them over), the generator's
// state the launch starts from, the target and the look's developer (null:
// the classic look). A film look draws into linear light with its star size.
Scene MakeScene(const ParticleList& sets, const LaunchSettings& settings,
                const RandomGenerator& random, const SceneTarget& target,
                std::shared_ptr<const FrameDeveloper> developer = nullptr);

}  // namespace kirabel
