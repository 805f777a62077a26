// Option commands and small dialogs of the main window: the four check items
// of the settings menu, the resolution and warning value dialogs, help and the
// about box. Each option handler runs after its menu item has inverted its
// check mark and takes the new state from it.
#include <QAction>
#include <QDialog>
#include <QWidget>

#include "controls/NValEdit.h"
#include "platform/errors.h"
#include "ui/about_dialog.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/modal_runner.h"
#include "ui/numeric_value.h"
#include "ui/resolution_dialog.h"
#include "ui/threshold_dialog.h"

namespace kirabel {

// Column fitting acts at the next size change of the window, not at once.
void MainWindow::applyFitColumns() {
  fitColumns = actionFitColumns->isChecked();
}

// The grid takes over the tool bar's space (or gives it back) through the layout.
void MainWindow::applyToolBarVisibility() {
  toolBar->setVisible(actionShowToolBar->isChecked());
}

// The renderer asks for both rendering flags at every sample, so a change made
// during a launch takes effect from the next sample on.
void MainWindow::applyAntiAliasing() {
  antiAliasing = actionAntiAliasing->isChecked();
}

void MainWindow::applyWrapSpace() {
  wrapSpace = actionWrapSpace->isChecked();
}

void MainWindow::editResolution() {
  if (!resolutionDialog || launching) return;
  resolutionDialog->widthEdit->setValue(resolutionWidth);
  resolutionDialog->heightEdit->setValue(resolutionHeight);
  if (ModalRunner::exec(*resolutionDialog) != QDialog::Accepted) return;
  const int32_t width = TruncateToInt32(resolutionDialog->widthEdit->Value());
  const int32_t height = TruncateToInt32(resolutionDialog->heightEdit->Value());
  // Applied also when nothing changed: the picture is rebuilt and cleared.
  try {
    applyResolution(width, height);
  } catch (const KirabelError& error) {
    MessageBox::ShowError(this, QString::fromUtf8(error.what()));
  }
}

void MainWindow::editWarningThreshold() {
  if (!thresholdDialog) return;
  thresholdDialog->thresholdEdit->setValue(warningThreshold);
  if (ModalRunner::exec(*thresholdDialog) != QDialog::Accepted) return;
  warningThreshold = TruncateToInt32(thresholdDialog->thresholdEdit->Value());
}

void MainWindow::showHelp() {
  HelpViewer::Show(this);
}

void MainWindow::showAbout() {
  if (aboutDialog) ModalRunner::exec(*aboutDialog);
}

}  // namespace kirabel
