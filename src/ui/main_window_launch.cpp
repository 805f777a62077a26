// The busy state and the launch: switching the window between busy and idle,
// stopping, and running a whole launch frame after frame.
#include <QAction>
#include <QDialog>
#include <QProgressBar>
#include <QToolButton>

#include "image/picture.h"
#include "model/launch_settings.h"
#include "platform/errors.h"
#include "simulation/space_buffer.h"
#include "texts/error_texts.h"
#include "ui/launch_settings_dialog.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/modal_runner.h"
#include "ui/preview_controller.h"
#include "ui/space_viewer.h"
#include "ui/window_launch.h"

namespace kirabel {

void MainWindow::setBusy(bool busy) {
  this->busy = busy;
  updateBusyControls();
  if (!busy && viewer) viewer->setWindowTitle(ViewerIdleCaption());
}

void MainWindow::updateBusyControls() {
  launchButton->setEnabled(!busy);
  actionLaunch->setEnabled(!busy);
  stopButton->setEnabled(busy);
  // Replacing the space buffer must wait until the launch has ended.
  actionResolution->setEnabled(!busy && !launching);
}

void MainWindow::stopLaunch() {
  setBusy(false);
}

// The space buffer and the picture a launch draws into: both there and of
// the same size (a failed resolution change can leave them missing).
bool MainWindow::launchTargetsReady() const {
  if (!space || !viewer) return false;
  const Picture& picture = viewer->picture();
  return space->Width() == picture.Width() && space->Height() == picture.Height();
}

void MainWindow::launch() {
  if (launching) {  // still unwinding a launch stopped a moment ago
    MessageBox::beep();
    return;
  }
  if (document_.sets().empty()) {
    MessageBox::warning(this, tr("パーティクルがありません"));
    return;
  }
  if (!confirmLaunchSettings()) return;
  if (!launchTargetsReady()) {
    MessageBox::showError(this, ErrorText(OutOfMemoryError()));
    return;
  }
  runLaunch();
  finishPendingClose();
}

// Shows the launch settings; whichever button closes the dialog, the document
// keeps what it shows (Cancel only keeps the launch from starting), as one
// step of the history when anything changed.
bool MainWindow::confirmLaunchSettings() {
  if (!launchDialog) return false;
  launchDialog->setLaunchSettings(document_.launchSettings());
  const int result = ModalRunner::exec(*launchDialog);
  document_.changeLaunchSettings(launchDialog->launchSettings(), tr("打ち上げ設定", "undo step"));
  return result == QDialog::Accepted;
}

void MainWindow::runLaunch() {
  launching = true;
  updateBusyControls();
  if (preview_) preview_->launchStarted();
  {
    WindowLaunch launch(*this);
    try {
      launch.run(document_.launchSettings(), random);
    } catch (const std::exception& error) {
      setBusy(false);
      progressBar->setValue(0);
      MessageBox::showError(this, ErrorText(error));
    }
  }
  launching = false;
  updateBusyControls();
  if (preview_) preview_->launchEnded();
}

void MainWindow::startPreview() {
  if (!preview_ && viewer) preview_ = new PreviewController(*this);
}

}  // namespace kirabel
