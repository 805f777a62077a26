// The exports of the main window: a dialog, then the frames the next launch
// would draw (from a copy of the generator) written in the background into
// one animation file, or stacked into one picture (a long exposure).
#include <QDialog>

#include "model/launch_limits.h"
#include "simulation/launch.h"
#include "simulation/make_scene.h"
#include "simulation/particle_count.h"
#include "ui/launch/animation_export.h"
#include "ui/launch/export_texts.h"
#include "ui/launch/launch_texts.h"
#include "ui/main_window/main_window.h"
#include "ui/services/message_box.h"
#include "ui/services/modal_runner.h"

namespace kirabel {

bool MainWindow::readyToExport() {
  if (export_) {  // one export at a time
    MessageBox::beep();
    return false;
  }
  if (document_.sets().empty()) {
    MessageBox::warning(this, tr("パーティクルがありません"));
    return false;
  }
  const Options& options = document_.options();
  if (options.resolutionWidth < 1 || options.resolutionHeight < 1) {  // no picture to encode
    MessageBox::warning(
        this,
        EmptyAnimationText(
            QStringLiteral("%1x%2").arg(options.resolutionWidth).arg(options.resolutionHeight)));
    return false;
  }
  return true;
}

void MainWindow::exportAnimation() {
  if (!readyToExport()) return;
  const Options& options = document_.options();
  const LaunchSettings settings = WithinLaunchLimits(document_.launchSettings());
  ExportDialog dialog(this);
  dialog.setFileChooser(&saveDialog_);
  exportChoice_.rate =
      document_.showSettings().fps;  // one second of video means the same list time
  dialog.setChoice(exportChoice_, FrameCount(settings.frameCount));
  if (ModalRunner::exec(dialog) != QDialog::Accepted) return;
  exportChoice_ = dialog.choice();
  if (!confirmExportCount()) return;
  ExportOutput output;
  if (exportChoice_.exrFrames) {
    output.format = PictureFormat::kExr;
  } else {
    output.animation = exportChoice_.format;
    output.animationPath = exportChoice_.path;
    output.withAlpha = exportChoice_.withAlpha && AnimationHoldsAlpha(exportChoice_.format);
    if (AnimationTakesQuality(exportChoice_.format)) output.video = exportChoice_.video;
  }
  ShowOverrides overrides;
  overrides.rate = exportChoice_.rate;  // the list's soundtrack plays at the list's offset
  ExportJob job = MakeExportJob(launchSession_.scene(document_, SceneTarget::Export(options)),
                                exportChoice_.firstFrame, exportChoice_.lastFrame, output,
                                document_.showSettings(), overrides);
  // Numbered frames are named after the chosen file, its number before the extension.
  if (exportChoice_.exrFrames) job.scene.settings.autosaveName = exportChoice_.path;
  export_ = std::make_unique<AnimationExport>(std::move(job), this);
  connect(export_.get(), &AnimationExport::finished, this, &MainWindow::exportEnded);
}

void MainWindow::exportLongExposure() {
  if (!readyToExport()) return;
  const LaunchSettings settings = WithinLaunchLimits(document_.launchSettings());
  LongExposureDialog dialog(this);
  dialog.setFileChooser(&saveDialog_);
  dialog.setChoice(longExposureChoice_, FrameCount(settings.frameCount));
  if (ModalRunner::exec(dialog) != QDialog::Accepted) return;
  longExposureChoice_ = dialog.choice();
  if (!confirmExportCount()) return;
  ExportOutput output;
  output.format = longExposureChoice_.format;
  output.longExposure = longExposureChoice_.mode;
  output.longExposurePath = longExposureChoice_.path;
  const Options& options = document_.options();
  export_ = std::make_unique<AnimationExport>(
      MakeExportJob(launchSession_.scene(document_, SceneTarget::Export(options)),
                    longExposureChoice_.firstFrame, longExposureChoice_.lastFrame, output,
                    document_.showSettings()),
      this);
  connect(export_.get(), &AnimationExport::finished, this, &MainWindow::exportEnded);
}

// The particle count as a launch checks it: refused when it cannot fit,
// asked from the warning threshold on.
bool MainWindow::confirmExportCount() {
  try {
    return CheckParticleCount(document_.sets(), document_.options().warningThreshold,
                              [this](int64_t particles) { return confirmParticleCount(particles); })
        .accepted;
  } catch (const ParticleMemoryError& refusal) {
    MessageBox::warning(this, ParticleMemoryRefusal(refusal.particles()));
    return false;
  }
}

void MainWindow::exportEnded(const QString& error) {
  export_.release()->deleteLater();  // it is still sending this signal
  if (!error.isEmpty()) MessageBox::showError(this, error);
}

}  // namespace kirabel
