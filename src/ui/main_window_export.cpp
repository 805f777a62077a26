// The animation export of the main window: the export dialog, then the frames
// the next launch would draw (from a copy of the generator) written in the
// background into one animation file.
#include <QDialog>
#include <thread>

#include "model/launch_limits.h"
#include "platform/memory_info.h"
#include "simulation/launch.h"
#include "simulation/population.h"
#include "ui/animation_export.h"
#include "ui/export_texts.h"
#include "ui/launch_texts.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/modal_runner.h"

namespace kirabel {

void MainWindow::exportAnimation() {
  if (export_) {  // one export at a time
    MessageBox::beep();
    return;
  }
  if (document_.sets().empty()) {
    MessageBox::warning(this, tr("パーティクルがありません"));
    return;
  }
  const Options& options = document_.options();
  if (options.resolutionWidth < 1 || options.resolutionHeight < 1) {  // no picture to encode
    MessageBox::warning(
        this,
        EmptyAnimationText(
            QStringLiteral("%1x%2").arg(options.resolutionWidth).arg(options.resolutionHeight)));
    return;
  }
  const LaunchSettings settings = WithinLaunchLimits(document_.launchSettings());
  ExportDialog dialog(this);
  dialog.setFileChooser(&saveDialog);
  dialog.setChoice(exportChoice_, FrameCount(settings.frameCount));
  if (ModalRunner::exec(dialog) != QDialog::Accepted) return;
  exportChoice_ = dialog.choice();
  if (!confirmExportCount()) return;
  ExportJob job;
  job.sets = document_.sets();
  job.settings = settings;
  job.random = random;
  job.width = options.resolutionWidth;
  job.height = options.resolutionHeight;
  job.options = {options.antiAliasing, options.wrapSpace};
  job.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  job.firstFrame = exportChoice_.firstFrame;
  job.lastFrame = std::min(exportChoice_.lastFrame, FrameCount(settings.frameCount));
  job.animation = exportChoice_.format;
  job.animationPath = exportChoice_.path;
  job.rate = exportChoice_.rate;
  export_ = std::make_unique<AnimationExport>(std::move(job), this);
  connect(export_.get(), &AnimationExport::finished, this, &MainWindow::exportEnded);
}

// The particle count as a launch checks it: refused when it cannot fit,
// asked from the warning threshold on.
bool MainWindow::confirmExportCount() {
  const ParticleEstimate estimate = EstimateParticles(document_.sets());
  if (!FitsInMemory(estimate, PhysicalMemoryBytes())) {
    MessageBox::warning(this, ParticleMemoryRefusal(estimate.particles));
    return false;
  }
  if (estimate.particles < document_.options().warningThreshold) return true;
  MessageBox::beep();
  return MessageBox::confirm(this, ParticleCountQuestion(estimate.particles));
}

void MainWindow::exportEnded(const QString& error) {
  export_.release()->deleteLater();  // it is still sending this signal
  if (!error.isEmpty()) MessageBox::showError(this, error);
}

}  // namespace kirabel
