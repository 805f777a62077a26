// The busy state and the launch: switching the window between busy and idle,
// stopping, and running a whole launch frame after frame.
#include <QAction>
#include <QDialog>
#include <QProgressBar>

#include "image/picture.h"
#include "model/launch_settings.h"
#include "platform/errors.h"
#include "simulation/particle_count.h"
#include "simulation/space_buffer.h"
#include "texts/error_texts.h"
#include "ui/dialogs/launch_settings_dialog.h"
#include "ui/handles/handle_editor.h"
#include "ui/launch/launch_texts.h"
#include "ui/launch/window_launch.h"
#include "ui/main_window/main_window.h"
#include "ui/preview/preview_controller.h"
#include "ui/services/message_box.h"
#include "ui/services/modal_runner.h"
#include "ui/timeline/timeline_window.h"
#include "ui/widgets/space_viewer.h"

namespace kirabel {

void MainWindow::setBusy(bool busy) {
  if (busy) {
    launchSession_.allowRun();
  } else {
    launchSession_.requestStop();
  }
  updateBusyControls();
  if (!busy && viewer_) viewer_->setWindowTitle(ViewerIdleCaption());
}

void MainWindow::updateBusyControls() {
  const bool busy = launchSession_.busy();
  actionLaunch_->setEnabled(!busy);
  actionStop_->setEnabled(busy);
  // Replacing the space buffer must wait until the launch has ended.
  actionResolution_->setEnabled(!busy && !launchSession_.launching());
}

void MainWindow::stopLaunch() {
  setBusy(false);
}

// The space buffer and the picture a launch draws into: both there and of
// the same size (a failed resolution change can leave them missing).
bool MainWindow::launchTargetsReady() const {
  const SpaceBuffer* space = launchSession_.space().get();
  if (!space || !viewer_) return false;
  const Picture& picture = viewer_->picture();
  return space->Width() == picture.Width() && space->Height() == picture.Height();
}

void MainWindow::launch() {
  if (launchSession_.launching()) {  // still unwinding a launch stopped a moment ago
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
}

// Shows the launch settings; whichever button closes the dialog, the document
// keeps what it shows (Cancel only keeps the launch from starting), as one
// step of the history when anything changed.
bool MainWindow::confirmLaunchSettings() {
  launchDialog().setLaunchSettings(document_.launchSettings());
  const int result = ModalRunner::exec(launchDialog());
  document_.changeLaunchSettings(launchDialog().launchSettings(), tr("打ち上げ設定", "undo step"));
  return result == QDialog::Accepted;
}

bool MainWindow::confirmParticleCount(int64_t particles) {
  MessageBox::beep();
  return MessageBox::confirm(this, ParticleCountQuestion(particles));
}

// The window is busy from here until launchEnded. The particle count is
// checked (and asked) here; the launch itself is built and drawn in the
// background, one frame at a time on one thread, so that every frame has its
// progress steps and the drawing options can change between frames.
void MainWindow::runLaunch() {
  launchSession_.setLaunching(true);
  updateBusyControls();
  if (preview_) preview_->launchStarted();
  setBusy(true);
  const Picture& picture = viewer_->picture();
  Scene scene = launchSession_.scene(
      document_, SceneTarget::WindowLaunch(picture.Width(), picture.Height(), document_.options()));
  try {
    const CountCheck check =
        CheckParticleCount(scene.sets, document_.options().warningThreshold,
                           [this](int64_t particles) { return confirmParticleCount(particles); });
    if (!check.accepted) return launchEnded(nullptr);
  } catch (const ParticleMemoryError&) {
    return launchEnded(std::current_exception());
  }
  windowLaunch_ = std::make_unique<WindowLaunch>(launchSession_, viewer_, *progressBar_, *this);
  connect(&launchSession_, &LaunchSession::ended, this, &MainWindow::launchEnded,
          Qt::UniqueConnection);
  // The options changed during the launch reach its next frames; the light
  // of its look stays.
  optionsFollower_ =
      connect(&document_, &Document::optionsChanged, this, [this, launched = scene.options] {
        RenderOptions options = DrawingOptions(document_.options());
        options.linearLight = launched.linearLight;
        options.starRadius = launched.starRadius;
        launchSession_.setDrawingOptions(options);
      });
  launchSession_.start(std::move(scene));
}

void MainWindow::launchEnded(const std::exception_ptr& error) {
  disconnect(optionsFollower_);
  progressBar_->setValue(0);
  try {
    if (error) std::rethrow_exception(error);
    setBusy(false);
  } catch (const ParticleMemoryError& refusal) {
    MessageBox::warning(this, ParticleMemoryRefusal(refusal.particles()));
    setBusy(false);
  } catch (const std::exception& failure) {
    setBusy(false);
    MessageBox::showError(this, ErrorText(failure));
  }
  windowLaunch_.reset();
  launchSession_.setLaunching(false);
  updateBusyControls();
  if (preview_) preview_->launchEnded();
  finishPendingClose();
  emit launchFinished();
}

void MainWindow::startPreview() {
  if (preview_ || !viewer_) return;
  preview_ = new PreviewController(document_, launchSession_, *viewer_, *actionPreview_, this);
  handles_ = new HandleEditor(document_, selection_, *viewer_->pictureView, preview_->bar(),
                              *actionHandles_, this);
  timeline_->followPreview(preview_->bar());
}

}  // namespace kirabel
