#include "document/preview_renderer.h"

#include <exception>

#include "image/picture.h"
#include "simulation/launch.h"
#include "simulation/space_buffer.h"

namespace kirabel {

PreviewRenderer::PreviewRenderer(QObject* parent) : QObject(parent) {
  worker_ = std::thread([this] { work(); });
}

PreviewRenderer::~PreviewRenderer() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

void PreviewRenderer::request(PreviewRequest request) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_ = std::move(request);
  }
  wake_.notify_all();
}

bool PreviewRenderer::busy() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return drawing_ || waiting_.has_value();
}

void PreviewRenderer::work() {
  for (;;) {
    PreviewRequest next;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      drawing_ = false;
      wake_.wait(lock, [this] { return stopping_ || waiting_.has_value(); });
      if (stopping_) return;
      next = std::move(*waiting_);
      waiting_.reset();
      drawing_ = true;
    }
    const PreviewResult result = render(next);
    // Delivered on the renderer's thread; dropped if the renderer is gone.
    QMetaObject::invokeMethod(
        this,
        [this, result] {
          {
            std::lock_guard<std::mutex> lock(mutex_);
            if (waiting_) return;  // a newer picture is on its way
          }
          emit finished(result);
        },
        Qt::QueuedConnection);
  }
}

// Builds the launch when the scene changed. False (with the result's state
// set) when the launch is not built: the count needs confirming or cannot fit.
bool PreviewRenderer::buildFor(const std::shared_ptr<const PreviewScene>& scene,
                               PreviewResult& result) {
  if (scene != builtScene_) {
    builtScene_ = scene;
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

PreviewResult PreviewRenderer::render(const PreviewRequest& request) {
  PreviewResult result;
  result.serial = request.serial;
  result.time = request.time;
  try {
    if (!buildFor(request.scene, result)) return result;
    if (!space_ || space_->Width() != request.width || space_->Height() != request.height) {
      space_.reset();
      space_ = std::make_unique<SpaceBuffer>(request.width, request.height);
    }
    auto picture = std::make_shared<Picture>();
    picture->SetHeight(request.height);
    picture->SetWidth(request.width);
    launch_->DrawAt(request.time, *space_, *picture, request.options);
    result.picture = std::move(picture);
  } catch (const std::exception&) {  // memory ran out while building or drawing
    builtScene_.reset();
    launch_.reset();
    space_.reset();
    result.state = PreviewResult::State::kFailed;
    result.error = std::current_exception();
  }
  return result;
}

}  // namespace kirabel
