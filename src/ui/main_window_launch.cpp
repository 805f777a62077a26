// The busy state and the launch: switching the window between busy and idle,
// stopping, and running a whole launch frame after frame.
#include <QAction>
#include <QDialog>
#include <QProgressBar>
#include <QToolButton>

#include "image/dibs.h"
#include "image/space_viewer.h"
#include "model/environment.h"
#include "platform/errors.h"
#include "simulation/space.h"
#include "ui/launch_settings_dialog.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/modal_runner.h"
#include "ui/window_launch.h"

namespace kirabel {

void TForm1::SetBusy(bool busy) {
  Busy = busy;
  UpdateBusyControls();
  if (!busy && Form2) Form2->setWindowTitle(ViewerIdleCaption());
}

void TForm1::UpdateBusyControls() {
  SpeedButton4->setEnabled(!Busy);
  KL1->setEnabled(!Busy);
  SpeedButton5->setEnabled(Busy);
  // Replacing the space buffer must wait until the launch has ended.
  K6->setEnabled(!Busy && !Launching);
}

void TForm1::SpeedButton5Click() {
  SetBusy(false);
}

// The space buffer and the picture a launch draws into: both there and of
// the same size (a failed resolution change can leave them missing).
bool TForm1::LaunchTargetsReady() const {
  if (!Space || !Form2) return false;
  const TDIBitmap& bitmap = Form2->Bitmap();
  return Space->Width() == bitmap.Width() && Space->Height() == bitmap.Height();
}

void TForm1::BitBtn2Click() {
  if (Launching) {  // still unwinding a launch stopped a moment ago
    MessageBox::Beep();
    return;
  }
  if (List.empty()) {
    MessageBox::Warning(this, QStringLiteral("パーティクルがありません"));
    return;
  }
  if (!Form5 || ModalRunner::exec(*Form5) != QDialog::Accepted) return;
  if (!LaunchTargetsReady()) {
    MessageBox::ShowError(this, QString::fromUtf8(OutOfMemoryError().what()));
    return;
  }
  RunLaunchInWindow();
  FinishPendingClose();
}

void TForm1::RunLaunchInWindow() {
  Launching = true;
  UpdateBusyControls();
  {
    WindowLaunch launch(*this);
    try {
      launch.Run(Environment(), Random);
    } catch (const std::exception& error) {
      SetBusy(false);
      ProgressBar1->setValue(0);
      MessageBox::ShowError(this, QString::fromUtf8(error.what()));
    }
  }
  Launching = false;
  UpdateBusyControls();
}

}  // namespace kirabel
