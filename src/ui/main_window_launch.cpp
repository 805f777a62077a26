// The busy state and the launch: switching the window between busy and idle,
// stopping, and running a whole launch frame after frame.
#include <QAction>
#include <QToolButton>

#include "image/space_viewer.h"
#include "model/environment.h"
#include "simulation/space.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

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

void TForm1::BitBtn2Click() {
  if (List.empty()) {
    MessageBox::Warning(this, QStringLiteral("パーティクルがありません"));
    return;
  }
}

}  // namespace kirabel
