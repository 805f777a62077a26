#include "simulation/make_scene.h"

#include "model/launch_limits.h"

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
  return {kThumbnailSize, kThumbnailSize, RenderOptions{}, AvailableCores()};
}

Scene MakeScene(const ParticleList& sets, const LaunchSettings& settings,
                const RandomGenerator& random, const SceneTarget& target) {
  return {sets,         WithinLaunchLimits(settings), random, target.options,
          target.width, target.height,                target.jobs};
}

}  // namespace kirabel
