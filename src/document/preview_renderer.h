#pragma once
// Draws the preview off the user-interface thread: builds the launch that the
// next launch would be (from a copy of the list, the launch settings and the
// generator's state) and draws the picture at any time, on all cores. Only
// the newest request counts (BackgroundWorker): one still waiting is replaced
// by a newer one, and the launch is built again only when the scene asks for
// another launch (a scene that differs in its look alone draws the one built).
// Results and failures come back on the thread that owns the renderer.
#include <QObject>
#include <cstdint>
#include <exception>
#include <memory>

#include "document/background_worker.h"
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
  // Scenes with the same number (not 0) build the same launch: they differ in
  // their look alone, so the launch built for one draws the other.
  int64_t launchNumber = 0;
};

struct PreviewRequest {
  std::shared_ptr<const PreviewScene> scene;  // a new object whenever the scene changed
  long double time = 0;
};

struct PreviewResult {
  enum class State {
    kPicture,            // picture holds the frame at `time`
    kNeedsConfirmation,  // `particles` reach the warning threshold; nothing built
    kTooLarge,           // `particles` cannot fit into memory; nothing built
  };
  State state = State::kPicture;
  int64_t particles = 0;
  long double time = 0;
  std::shared_ptr<Picture> picture;
};

class PreviewRenderer : public QObject {
  Q_OBJECT
 public:
  explicit PreviewRenderer(QObject* parent = nullptr);
  // Waits for the frame being drawn, if any, and stops the worker.
  ~PreviewRenderer() override;

  // Replaces any request still waiting.
  void request(PreviewRequest request);
  // Forgets the request asked last: nothing is reported for it.
  void cancel();
  // Whether the request asked last has not been answered yet.
  bool busy() const;

 signals:
  void finished(const kirabel::PreviewResult& result);
  // Nothing could be drawn (memory ran out while building or drawing).
  void failed(const std::exception_ptr& error);

 private:
  PreviewResult render(const PreviewRequest& request, const StillWanted& stillWanted);
  bool buildFor(const std::shared_ptr<const PreviewScene>& scene, PreviewResult& result);
  void forgetLaunch();

  // Used on the worker's thread only.
  std::shared_ptr<const PreviewScene> builtScene_;
  PreviewResult::State builtState_ = PreviewResult::State::kPicture;
  int64_t builtParticles_ = 0;
  std::unique_ptr<Launch> launch_;
  std::unique_ptr<SpaceBuffer> space_;
  // Last, so that it stops before what it draws with goes.
  BackgroundWorker<PreviewRequest, PreviewResult> worker_;
};

}  // namespace kirabel
