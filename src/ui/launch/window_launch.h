#pragma once
// What the window shows of a launch running in its session: the viewer's
// caption and each frame as it comes, the progress bar, the wait cursor while
// a frame is drawn, and the warning when automatic saving fails. The
// interface thread only shows; the launch goes on in the background.
#include <QObject>
#include <exception>
#include <memory>

class QProgressBar;
class QWidget;

namespace kirabel {

class LaunchSession;
class Picture;
class SpaceViewer;

class WindowLaunch : public QObject {
  Q_OBJECT
 public:
  // Follows the reports of `session` into the viewer (if any) and the
  // progress bar; warnings go over `window`.
  WindowLaunch(LaunchSession& session, SpaceViewer* viewer, QProgressBar& progress,
               QWidget& window);
  // Puts the default cursor back.
  ~WindowLaunch() override;
  WindowLaunch(const WindowLaunch&) = delete;
  WindowLaunch& operator=(const WindowLaunch&) = delete;

 private:
  void frameStarted(qint64 frame, qint64 count);
  void stepped();
  void frameDrawn(const std::shared_ptr<const Picture>& picture);
  void saveFailed(const std::exception_ptr& error);
  void setWaitCursor(bool wait);

  SpaceViewer* viewer_;
  QProgressBar& progress_;
  QWidget& window_;
  bool waitCursor_ = false;
};

}  // namespace kirabel
