// Closing and ending: the close query writes the settings and lets the
// viewer close with the main window; Exit ends at once without writing them.
// Either way a running launch is stopped first.
#include <QApplication>
#include <QCloseEvent>
#include <QMetaObject>

#include "image/space_viewer.h"
#include "platform/errors.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

namespace kirabel {

bool TForm1::RunCloseQuery() {
  try {
    if (settingsWriter_) settingsWriter_();
  } catch (const std::exception& error) {
    MessageBox::ShowError(this, QString::fromUtf8(error.what()));
    return false;
  }
  Closing = true;
  if (Form2) Form2->SetCloseAllowed(true);
  return true;
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (Launching) {
    // Stop the launch first; the close is repeated once it has ended.
    closeAfterLaunch_ = true;
    SetBusy(false);
    event->ignore();
    return;
  }
  if (!RunCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
  if (Form2) Form2->close();
}

void TForm1::EndProgram() {
  if (Launching) {
    exitAfterLaunch_ = true;
    SetBusy(false);
    return;
  }
  QApplication::exit(0);
}

void TForm1::FinishPendingClose() {
  if (exitAfterLaunch_) {
    exitAfterLaunch_ = closeAfterLaunch_ = false;
    QApplication::exit(0);
  } else if (closeAfterLaunch_) {
    closeAfterLaunch_ = false;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
  }
}

}  // namespace kirabel
