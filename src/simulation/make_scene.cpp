#include "simulation/make_scene.h"

#include <utility>

#include "model/launch_limits.h"
#include "simulation/frame_developer.h"

namespace kirabel {

namespace {

constexpr int32_t kThumbnailSize = 512;

}  // namespace

RenderOptions DrawingOptions(const Options& options) {
  return {options.antiAliasing, options.wrapSpace};
}

SceneTarget SceneTarget::WindowLaunch(int32_t width, int32_t height, const Options& options) {
  return {width, height, DrawingOptions(options), 1};
}

SceneTarget SceneTarget::Preview(int32_t width, int32_t height, const Options& options) {
  return {width, height, DrawingOptions(options), AvailableCores()};
}

SceneTarget SceneTarget::Export(const Options& options) {
  return {options.resolutionWidth, options.resolutionHeight, DrawingOptions(options),
          AvailableCores()};
}

SceneTarget SceneTarget::Thumbnail() {
  RenderOptions antiAliased;
  antiAliased.antiAlias = true;
  return {kThumbnailSize, kThumbnailSize, antiAliased, AvailableCores()};
}

Scene MakeScene(const ParticleList& sets, const LaunchSettings& settings,
                const RandomGenerator& random, const SceneTarget& target,
                std::shared_ptr<const FrameDeveloper> developer) {
  Scene scene{sets,         WithinLaunchLimits(settings),
              random,       target.options,
              target.width, target.height,
              target.jobs,  std::move(developer)};
  const bool film = scene.developer && !scene.developer->Classic();
  scene.options.linearLight = film;
  scene.options.starRadius = film ? static_cast<float>(scene.developer->GetLook().starSize) : 0.0f;
  return scene;
}

}  // namespace kirabel
