// closing and ending: the close query writes the settings and lets the
// viewer close with the main window; Exit ends at once without writing them.
// Either way a running launch is stopped first.
#include <QApplication>
#include <QCloseEvent>
#include <QMetaObject>

#include "platform/errors.h"
#include "texts/error_texts.h"
#include "ui/main_window/main_window.h"
#include "ui/services/message_box.h"
#include "ui/library/shell_library_window.h"
#include "ui/timeline/timeline_window.h"
#include "ui/widgets/space_viewer.h"

namespace kirabel {

bool MainWindow::writeSettingsBeforeClose() {
  try {
    if (settingsWriter_) settingsWriter_();
  } catch (const std::exception& error) {
    MessageBox::showError(this, ErrorText(error));
    return false;
  }
  closing_ = true;
  if (viewer_) viewer_->setCloseAllowed(true);
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (launchSession_.launching()) {
    // Stop the launch first; the close is repeated once it has ended.
    closeAfterLaunch_ = true;
    setBusy(false);
    event->ignore();
    return;
  }
  if (!maySaveChanges() || !writeSettingsBeforeClose()) {
    event->ignore();
    return;
  }
  event->accept();
  if (viewer_) viewer_->close();
  timeline_->close();
  shellLibrary_->close();
}

void MainWindow::endProgram() {
  if (launchSession_.launching()) {
    exitAfterLaunch_ = true;
    setBusy(false);
    return;
  }
  QApplication::exit(0);
}

void MainWindow::finishPendingClose() {
  if (exitAfterLaunch_) {
    exitAfterLaunch_ = closeAfterLaunch_ = false;
    QApplication::exit(0);
  } else if (closeAfterLaunch_) {
    closeAfterLaunch_ = false;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
  }
}

}  // namespace kirabel
