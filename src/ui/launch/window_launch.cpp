#include "ui/launch/window_launch.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressBar>
#include <cstring>

#include "image/picture.h"
#include "ui/launch/launch_session.h"
#include "ui/launch/launch_texts.h"
#include "ui/services/message_box.h"
#include "ui/widgets/space_viewer.h"

namespace kirabel {

namespace {

const char kSaveFailedWarning[] = QT_TRANSLATE_NOOP(
    "kirabel::WindowLaunch", "ディスクの空き容量が足りないか、指定されたファイルに書き込めません");

}  // namespace

WindowLaunch::WindowLaunch(LaunchSession& session, SpaceViewer* viewer, QProgressBar& progress,
                           QWidget& window)
    : viewer_(viewer), progress_(progress), window_(window) {
  connect(&session, &LaunchSession::frameStarted, this, &WindowLaunch::frameStarted);
  connect(&session, &LaunchSession::stepped, this, &WindowLaunch::stepped);
  connect(&session, &LaunchSession::frameDrawn, this, &WindowLaunch::frameDrawn);
  connect(&session, &LaunchSession::saveFailed, this, &WindowLaunch::saveFailed);
}

WindowLaunch::~WindowLaunch() {
  setWaitCursor(false);
}

void WindowLaunch::frameStarted(qint64 frame, qint64 count) {
  if (viewer_) viewer_->setWindowTitle(ViewerDrawingCaption(frame, count));
  setWaitCursor(true);
}

// One step further within the frame.
void WindowLaunch::stepped() {
  progress_.setValue(qMin(progress_.value() + 1, progress_.maximum()));
}

// A complete frame: the bar back to 0, the frame into the viewer's picture.
void WindowLaunch::frameDrawn(const std::shared_ptr<const Picture>& drawn) {
  progress_.setValue(0);
  if (viewer_) {
    Picture& shown = viewer_->picture();
    if (drawn->Width() == shown.Width() && drawn->Height() == shown.Height() && shown.Bits()) {
      std::memcpy(
          shown.Bits(), drawn->Bits(),
          static_cast<std::size_t>(drawn->RowBytes()) * static_cast<std::size_t>(drawn->Height()));
    }
    viewer_->repaintPicture();
  }
  setWaitCursor(false);
}

void WindowLaunch::saveFailed(const std::exception_ptr& error) {
  // The reason follows on a line of its own, as every save words it.
  MessageBox::warning(&window_,
                      QCoreApplication::translate("kirabel::WindowLaunch", kSaveFailedWarning) +
                          QLatin1Char('\n') + FailureText(error));
}

void WindowLaunch::setWaitCursor(bool wait) {
  if (wait == waitCursor_) return;
  waitCursor_ = wait;
  if (wait)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

}  // namespace kirabel
