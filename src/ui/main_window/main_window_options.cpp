// Option commands and small dialogs of the main window: the four check items
// of the settings menu, the resolution and warning value dialogs, help and the
// about box. Each option handler runs after its menu item has inverted its
// check mark, takes the new state from it and hands it to the document.
#include <QAction>
#include <QDialog>
#include <QToolBar>
#include <QWidget>

#include "platform/errors.h"
#include "texts/error_texts.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/resolution_dialog.h"
#include "ui/dialogs/threshold_dialog.h"
#include "ui/main_window/language_menu.h"
#include "ui/main_window/main_window.h"
#include "ui/services/help_viewer.h"
#include "ui/services/message_box.h"
#include "ui/services/modal_runner.h"

namespace kirabel {

// The check marks and the tool bar follow the document's options.
void MainWindow::showOptions() {
  const Options& options = document_.options();
  actionFitColumns_->setChecked(options.fitColumns);
  actionAntiAliasing_->setChecked(options.antiAliasing);
  actionWrapSpace_->setChecked(options.wrapSpace);
  actionPreview_->setChecked(options.preview);
}

void MainWindow::setInterfaceOptions(const InterfaceOptions& options) {
  interfaceOptions_ = options;
  actionShowToolBar_->setChecked(options.showToolBar);
  actionHandles_->setChecked(options.showHandles);
  toolBar_->setVisible(options.showToolBar);
  languageMenu_->setChoice(options.language);
}

void MainWindow::changeOptions(const std::function<void(Options&)>& change) {
  Options options = document_.options();
  change(options);
  document_.setOptions(options);
}

// Column fitting acts at the next size change of the window, not at once.
void MainWindow::applyFitColumns() {
  changeOptions([this](Options& o) { o.fitColumns = actionFitColumns_->isChecked(); });
}

// The grid takes over the tool bar's space (or gives it back) through the layout.
void MainWindow::applyToolBarVisibility() {
  interfaceOptions_.showToolBar = actionShowToolBar_->isChecked();
  toolBar_->setVisible(interfaceOptions_.showToolBar);
}

// A launch reads both rendering flags at every progress step, so a change made
// during a launch takes effect at once.
void MainWindow::applyAntiAliasing() {
  changeOptions([this](Options& o) { o.antiAliasing = actionAntiAliasing_->isChecked(); });
}

void MainWindow::applyPreview() {
  changeOptions([this](Options& o) { o.preview = actionPreview_->isChecked(); });
}

void MainWindow::applyHandles() {
  interfaceOptions_.showHandles = actionHandles_->isChecked();
}

void MainWindow::turnPreviewOn() {
  if (!actionPreview_->isChecked()) actionPreview_->trigger();
}

void MainWindow::applyLanguage(LanguageChoice choice) {
  interfaceOptions_.language = choice;
  languageMenu_->setChoice(choice);
}

void MainWindow::applyWrapSpace() {
  changeOptions([this](Options& o) { o.wrapSpace = actionWrapSpace_->isChecked(); });
}

void MainWindow::editResolution() {
  if (launchSession_.launching()) return;
  const Options& options = document_.options();
  resolutionDialog().setResolution(options.resolutionWidth, options.resolutionHeight);
  if (ModalRunner::exec(resolutionDialog()) != QDialog::Accepted) return;
  const auto [width, height] = resolutionDialog().resolution();
  // Applied also when nothing changed: the picture is rebuilt and cleared.
  try {
    applyResolution(width, height);
  } catch (const KirabelError& error) {
    MessageBox::showError(this, ErrorText(error));
  }
}

void MainWindow::editWarningThreshold() {
  thresholdDialog().setThreshold(document_.options().warningThreshold);
  if (ModalRunner::exec(thresholdDialog()) != QDialog::Accepted) return;
  const int32_t threshold = thresholdDialog().threshold();
  changeOptions([threshold](Options& o) { o.warningThreshold = threshold; });
}

void MainWindow::showHelp() {
  HelpViewer::show(this);
}

void MainWindow::showGuide() {
  HelpViewer::showGuide(this);
}

void MainWindow::showAbout() {
  ModalRunner::exec(aboutDialog());
}

}  // namespace kirabel
