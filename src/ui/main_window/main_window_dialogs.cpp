// The main window's dialogs, each made when first needed and kept for the
// rest of the run (they remember what they showed last). The properties and
// launch settings dialogs open at the places the settings file keeps.
#include "document/child_set_model.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/launch_settings_dialog.h"
#include "ui/dialogs/look_dialog.h"
#include "ui/dialogs/particle_set_dialog.h"
#include "ui/dialogs/resolution_dialog.h"
#include "ui/dialogs/soundtrack_dialog.h"
#include "ui/dialogs/threshold_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/services/device_pixels.h"
#include "ui/services/window_placement.h"

namespace kirabel {

namespace {

template <typename Dialog>
Dialog& Made(std::unique_ptr<Dialog>& dialog) {
  if (!dialog) dialog = std::make_unique<Dialog>();
  return *dialog;
}

}  // namespace

ParticleSetDialog& MainWindow::setDialog() {
  if (!setDialog_) {
    Made(setDialog_).setChildChoices(childChoices_);
    if (dialogPlaces_) PlaceWindowAtDevicePosition(*setDialog_, dialogPlaces_->setDialog);
  }
  return *setDialog_;
}

LaunchSettingsDialog& MainWindow::launchDialog() {
  if (!launchDialog_) {
    Made(launchDialog_).mainOpenDialog = &openDialog_;
    launchDialog_->mainSaveDialog = &saveDialog_;
    if (dialogPlaces_) PlaceWindowAtDevicePosition(*launchDialog_, dialogPlaces_->launchDialog);
  }
  return *launchDialog_;
}

ResolutionDialog& MainWindow::resolutionDialog() {
  return Made(resolutionDialog_);
}

ThresholdDialog& MainWindow::thresholdDialog() {
  return Made(thresholdDialog_);
}

AboutDialog& MainWindow::aboutDialog() {
  return Made(aboutDialog_);
}

SoundtrackDialog& MainWindow::soundtrackDialog() {
  if (!soundtrackDialog_) {
    soundtrackDialog_ = std::make_unique<SoundtrackDialog>(soundtrackLoader_);
    soundtrackDialog_->browseDialog.startFolder = openDialog_.startFolder;
  }
  return *soundtrackDialog_;
}

LookDialog& MainWindow::lookDialog() {
  if (!lookDialog_) {
    Made(lookDialog_).photoDialog.startFolder = openDialog_.startFolder;
    connect(lookDialog_.get(), &LookDialog::lookEdited, this, &MainWindow::developInLook);
  }
  return *lookDialog_;
}

MainWindow::DialogPlaces MainWindow::dialogPlaces() const {
  DialogPlaces places = dialogPlaces_.value_or(DialogPlaces());
  if (setDialog_) places.setDialog = DevicePosition(*setDialog_);
  if (launchDialog_) places.launchDialog = DevicePosition(*launchDialog_);
  return places;
}

}  // namespace kirabel
