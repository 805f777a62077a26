#pragma once
// Draws the preview off the user-interface thread: builds the launch that the
// next launch would be (from a copy of the list, the launch settings and the
// generator's state) and draws the picture at any time, on all cores. Only
// the newest request counts: one still waiting is replaced by a newer one, and
// the launch is built again only when the scene changed. Results come back on
// the thread that owns the renderer.
#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "simulation/launch_scene.h"

namespace kirabel {

class Launch;
class Picture;
class SpaceBuffer;

// What a launch is built and drawn from.
struct PreviewScene {
  // The settings as the launch settings dialog hands them to a launch, a copy
  // of the generator (previewing never advances the window's generator), the
  // size and the drawing options of the viewer's picture.
  Scene scene;
  int64_t askFrom = 0;  // the warning threshold
  bool countConfirmed = false;
};

struct PreviewRequest {
  uint64_t serial = 0;                        // handed back with the result
  std::shared_ptr<const PreviewScene> scene;  // a new object whenever the scene changed
  long double time = 0;
};

struct PreviewResult {
  enum class State {
    kPicture,            // picture holds the frame at `time`
    kNeedsConfirmation,  // `particles` reach the warning threshold; nothing built
    kTooLarge,           // `particles` cannot fit into memory; nothing built
    kFailed,             // `error` says why nothing could be drawn
  };
  State state = State::kPicture;
  uint64_t serial = 0;  // the request's
  int64_t particles = 0;
  long double time = 0;
  std::shared_ptr<Picture> picture;
  std::exception_ptr error;  // for kFailed
};

class PreviewRenderer : public QObject {
  Q_OBJECT
 public:
  explicit PreviewRenderer(QObject* parent = nullptr);
  // Waits for the frame being drawn, if any, and stops the worker.
  ~PreviewRenderer() override;

  // Replaces any request still waiting.
  void request(PreviewRequest request);
  // Whether a request is waiting or being drawn.
  bool busy() const;

 signals:
  void finished(const kirabel::PreviewResult& result);

 private:
  void work();
  PreviewResult render(const PreviewRequest& request);
  bool buildFor(const std::shared_ptr<const PreviewScene>& scene, PreviewResult& result);

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<PreviewRequest> waiting_;
  bool drawing_ = false;
  bool stopping_ = false;
  // Used by the worker only.
  std::shared_ptr<const PreviewScene> builtScene_;
  PreviewResult::State builtState_ = PreviewResult::State::kPicture;
  int64_t builtParticles_ = 0;
  std::unique_ptr<Launch> launch_;
  std::unique_ptr<SpaceBuffer> space_;
  std::thread worker_;
};

}  // namespace kirabel
