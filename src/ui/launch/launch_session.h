#pragma once
// The window's launches: the generator every launch draws from (from
// start-up on, so a second launch continues the first's sequence), the space
// buffer a launch draws into, and the state of the launch running. A launch
// is built and drawn on a thread of its own with the one frame loop; what it
// reports (a frame begun, a progress step, a frame drawn, a frame not saved,
// the end) comes back as signals on the session's thread, in order.
#include <QObject>
#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <thread>

#include "model/look.h"
#include "simulation/launch_scene.h"
#include "simulation/make_scene.h"
#include "simulation/random.h"

namespace kirabel {

class Document;
class Picture;
class SpaceBuffer;

class LaunchSession : public QObject {
  Q_OBJECT
 public:
  explicit LaunchSession(QObject* parent = nullptr);
  // Stops a launch still running and waits for its thread.
  ~LaunchSession() override;

  // The generator's state the next launch starts from.
  const RandomGenerator& random() const { return random_; }
  // The space buffer, sized like the viewer's picture; kept by the launch
  // running, so it is replaced only between launches.
  std::unique_ptr<SpaceBuffer>& space() { return space_; }
  const std::unique_ptr<SpaceBuffer>& space() const { return space_; }

  // A launch may go on: from allowRun() until requestStop().
  bool busy() const { return busy_; }
  // The next launch may run (and the one starting).
  void allowRun();
  // The launch running stops at once, building or drawing (the generator
  // still goes on from where the whole launch would leave it).
  void requestStop();
  // A launch is running (until its end has been reported).
  bool launching() const { return launching_; }
  void setLaunching(bool launching) { launching_ = launching; }

  // The scene of the document's list and launch settings for target, drawn
  // from a copy of the generator and developed in the session's look.
  Scene scene(const Document& document, const SceneTarget& target) const;

  // The look the window's scenes are developed in: the document's, or the
  // one the Look dialog is trying out. Raises SkyPhotoError when the film
  // look's photo cannot be read; the look then develops without it, and the
  // same photo is not read again until another one was given.
  void setLook(const Look& look);
  const Look& look() const { return look_; }
  // Null for the classic look.
  const std::shared_ptr<const FrameDeveloper>& developer() const { return developer_; }

  // Builds the launch of scene and draws all its frames into the space on the
  // session's thread, saving each automatically when its settings say so.
  // It begins once the events already waiting have been handled, so that a
  // stop given before it acts on its first frame.
  void start(Scene scene);
  // The drawing options of the frames still to come.
  void setDrawingOptions(const RenderOptions& options);

 signals:
  void frameStarted(qint64 frame, qint64 count);
  void stepped();
  // A complete frame (shared, so that the signal stays cheap).
  void frameDrawn(const std::shared_ptr<const kirabel::Picture>& picture);
  // Automatic saving failed: the frame's FrameNotWrittenError; the launch ends.
  void saveFailed(const std::exception_ptr& error);
  // The launch has ended: error is null when it was drawn or stopped.
  void ended(const std::exception_ptr& error);
  // setLook gave the scenes another look.
  void lookChanged();

 private:
  void run(const Scene& scene);
  void drawFrames(const Scene& scene);
  // Runs report on the session's thread, after every earlier report.
  template <typename Report>
  void post(Report report);
  void join();

  // The photo of the film look, read again only when another one is given.
  void readSkyPhoto(const std::string& path);

  RandomGenerator random_;
  std::unique_ptr<SpaceBuffer> space_;
  Look look_;
  std::shared_ptr<const FrameDeveloper> developer_;
  std::string photoPath_;  // the photo last read (or tried)
  std::shared_ptr<const Picture> photo_;
  bool busy_ = false;
  bool launching_ = false;
  std::atomic<bool> stopping_{false};
  std::atomic<RenderOptions> drawingOptions_{RenderOptions{}};  // read before every frame
  std::thread worker_;
};

}  // namespace kirabel
