#include "document/preview_renderer.h"

#include <exception>

#include "image/picture.h"
#include "simulation/launch.h"
#include "simulation/space_buffer.h"

namespace kirabel {

PreviewRenderer::PreviewRenderer(QObject* parent)
    : QObject(parent),
      worker_([this](const PreviewRequest& request,
                     const StillWanted& stillWanted) { return render(request, stillWanted); },
              [this](const PreviewResult& result) { emit finished(result); },
              [this](const std::exception_ptr& error) { emit failed(error); }) {}

PreviewRenderer::~PreviewRenderer() = default;

void PreviewRenderer::request(PreviewRequest request) {
  worker_.request(std::move(request));
}

void PreviewRenderer::cancel() {
  worker_.cancel();
}

bool PreviewRenderer::busy() const {
  return worker_.busy();
}

// Builds the launch when the scene asks for another one. False (with the result's state
// set) when the launch is not built: the count needs confirming or cannot fit.
bool PreviewRenderer::buildFor(const std::shared_ptr<const PreviewScene>& scene,
                               PreviewResult& result) {
  const bool sameLaunch =
      scene == builtScene_ ||
      (builtScene_ && scene->launchNumber != 0 && scene->launchNumber == builtScene_->launchNumber);
  builtScene_ = scene;
  if (!sameLaunch) {
    launch_.reset();
    RandomGenerator random = scene->scene.random;
    try {
      Launch::BuildResult built = Launch::Build(
          scene->scene.sets, scene->scene.settings, random, scene->askFrom,
          [&](int64_t) { return scene->countConfirmed; }, scene->scene.jobs);
      builtParticles_ = built.estimate.Total();
      builtState_ = built.outcome == Launch::Outcome::kDeclined
                        ? PreviewResult::State::kNeedsConfirmation
                        : PreviewResult::State::kPicture;
      launch_ = std::move(built.launch);
    } catch (const ParticleMemoryError& refusal) {
      builtParticles_ = refusal.particles();
      builtState_ = PreviewResult::State::kTooLarge;
    }
  }
  result.particles = builtParticles_;
  result.state = builtState_;
  return launch_ != nullptr;
}

void PreviewRenderer::forgetLaunch() {
  builtScene_.reset();
  launch_.reset();
  space_.reset();
}

// Memory running out while building or drawing is the request's failure.
PreviewResult PreviewRenderer::render(const PreviewRequest& request,
                                      const StillWanted& stillWanted) {
  PreviewResult result;
  result.time = request.time;
  try {
    if (!buildFor(request.scene, result)) return result;
    const Scene& scene = request.scene->scene;
    if (!space_ || space_->Width() != scene.width || space_->Height() != scene.height) {
      space_.reset();
      space_ = std::make_unique<SpaceBuffer>(scene.width, scene.height, scene.options.linearLight);
    }
    auto picture = std::make_shared<Picture>();
    picture->SetHeight(scene.height);
    picture->SetWidth(scene.width);
    launch_->SetDeveloper(scene.developer);
    // A frame no longer wanted is abandoned; its result is never reported.
    if (!launch_->DrawAt(request.time, *space_, *picture, scene.options, {},
                         [&] { return !stillWanted(); })) {
      return result;
    }
    result.picture = std::move(picture);
  } catch (...) {
    forgetLaunch();
    throw;
  }
  return result;
}

}  // namespace kirabel
