#pragma once
// The live preview: while the option is on, the viewer shows the picture the
// next launch would draw at the time chosen on the time bar, with the current
// list, launch settings, resolution and drawing options, and follows every
// change of them. Playback steps through the launch's frames at a chosen rate,
// skipping a frame that is not ready in time; a list with a soundtrack plays
// at its own rate with the sound, its pictures following the sound's clock.
// A launch in the window stops playback and keeps the viewer to itself.
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <exception>
#include <memory>

#include "document/preview_renderer.h"
#include "ui/preview/sound_playback.h"

class QAction;

namespace kirabel {

class Document;
class LaunchSession;
class PreviewBar;
class SpaceViewer;

class PreviewController : public QObject {
  Q_OBJECT
 public:
  // Puts the time bar into `viewer` and follows `document`; scenes are made
  // by `session`; `previewToggle` is the option's menu item, which a key of
  // the preview turns on.
  PreviewController(const Document& document, const LaunchSession& session, SpaceViewer& viewer,
                    QAction& previewToggle, QObject* parent = nullptr);
  ~PreviewController() override;

  PreviewBar& bar() { return *bar_; }
  // Playback with the soundtrack, whose clocks tests replace.
  SoundPlayback& soundPlayback() { return sound_; }
  // A launch starts or ended (the generator moved on: the next launch differs).
  void launchStarted();
  void launchEnded();

 private:
  bool active() const;
  void showOrHide();
  void sceneChanged();
  void lookChanged();
  // The scene as the next launch would be built, numbered as launchNumber.
  std::shared_ptr<const PreviewScene> makeScene(int64_t launchNumber) const;
  void requestPicture();
  void showResult(const PreviewResult& result);
  void showFailure(const std::exception_ptr& error);
  bool hasSoundtrack() const;
  void showSettingsChanged();
  void playingChanged(bool playing);
  void nextFrame();
  void showDueFrame();
  void addKeys();

  const Document& document_;
  const LaunchSession& session_;
  SpaceViewer& viewer_;
  QAction& previewToggle_;
  PreviewBar* bar_;
  PreviewRenderer renderer_;
  QTimer playback_;
  SoundPlayback sound_;
  bool followingClock_ = false;                // the playhead moves because its frame is due
  std::shared_ptr<const PreviewScene> scene_;  // null: to be made again
  int64_t confirmedParticles_ = 0;             // the count the user chose to build
  int64_t launchNumber_ = 0;                   // of the latest scene that built a launch
};

}  // namespace kirabel
