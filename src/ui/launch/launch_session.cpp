#include "ui/launch/launch_session.h"

#include <QMetaObject>
#include <utility>

#include "document/document.h"
#include "image/picture.h"
#include "picture_io/frame_sinks.h"
#include "picture_io/sky_photo.h"
#include "simulation/frame_developer.h"
#include "simulation/frame_loop.h"
#include "simulation/launch.h"
#include "simulation/space_buffer.h"

namespace kirabel {

namespace {

// Hands each complete frame to the viewer as a copy of its own.
class ViewerSink : public FrameSink {
 public:
  explicit ViewerSink(std::function<void(std::shared_ptr<const Picture>)> show)
      : show_(std::move(show)) {}
  void Take(int64_t, const SpaceBuffer&, const Picture& picture) override {
    show_(std::make_shared<const Picture>(picture));
  }

 private:
  std::function<void(std::shared_ptr<const Picture>)> show_;
};

}  // namespace

LaunchSession::LaunchSession(QObject* parent) : QObject(parent) {}

LaunchSession::~LaunchSession() {
  stopping_ = true;
  join();
}

void LaunchSession::allowRun() {
  busy_ = true;
  stopping_ = false;
}

void LaunchSession::requestStop() {
  busy_ = false;
  stopping_ = true;
}

void LaunchSession::join() {
  if (worker_.joinable()) worker_.join();
}

Scene LaunchSession::scene(const Document& document, const SceneTarget& target) const {
  return MakeScene(document.sets(), document.launchSettings(), random_, target, developer_);
}

void LaunchSession::setLook(const Look& look) {
  look_ = look;
  developer_.reset();
  if (look.Film()) {
    try {
      readSkyPhoto(look.skyPhoto);
    } catch (const SkyPhotoError&) {
      developer_ = std::make_shared<const FrameDeveloper>(look);
      emit lookChanged();
      throw;
    }
    developer_ = std::make_shared<const FrameDeveloper>(look, photo_);
  }
  emit lookChanged();
}

void LaunchSession::readSkyPhoto(const std::string& path) {
  if (path == photoPath_) return;
  photoPath_ = path;
  photo_.reset();
  if (!path.empty()) photo_ = LoadSkyPhoto(path);
}

void LaunchSession::setDrawingOptions(const RenderOptions& options) {
  drawingOptions_ = options;
}

template <typename Report>
void LaunchSession::post(Report report) {
  QMetaObject::invokeMethod(this, std::move(report), Qt::QueuedConnection);
}

void LaunchSession::start(Scene scene) {
  setDrawingOptions(scene.options);
  post([this, scene = std::move(scene)] {
    join();
    worker_ = std::thread([this, scene] { run(scene); });
  });
}

void LaunchSession::run(const Scene& scene) {
  std::exception_ptr error;
  try {
    drawFrames(scene);
  } catch (const FrameNotWrittenError&) {
    post([this, failure = std::current_exception()] { emit saveFailed(failure); });
  } catch (...) {
    error = std::current_exception();
  }
  post([this, error] {
    join();
    emit ended(error);
  });
}

// The count was checked and confirmed before the launch started.
void LaunchSession::drawFrames(const Scene& scene) {
  ViewerSink viewer([this](std::shared_ptr<const Picture> drawn) {
    post([this, drawn] { emit frameDrawn(drawn); });
  });
  NumberedFramesSink autosave(scene.settings.autosaveName, PictureFormat::kBmp);
  std::vector<FrameSink*> sinks{&viewer};
  if (scene.settings.autosave) sinks.push_back(&autosave);
  FrameLoopHooks hooks;
  hooks.built = [this](const RandomGenerator& after) { post([this, after] { random_ = after; }); };
  hooks.beforeFrame = [this](int64_t, int64_t count, int64_t frame) {
    if (stopping_) return false;
    post([this, frame, count] { emit frameStarted(frame, count); });
    return true;
  };
  hooks.options = [this] { return drawingOptions_.load(); };
  hooks.step = [this] {
    post([this] { emit stepped(); });
    return !stopping_;
  };
  hooks.stop = [this] { return stopping_.load(); };
  DrawSceneFrames(scene, 1, FrameCount(scene.settings.frameCount), sinks, hooks, space_.get());
}

}  // namespace kirabel
