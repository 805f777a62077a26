#include "ui/launch/animation_export.h"

#include <QMetaObject>
#include <QProgressDialog>
#include <exception>

#include "ui/launch/export_texts.h"
#include "ui/launch/launch_texts.h"

namespace kirabel {

AnimationExport::AnimationExport(ExportJob job, QWidget* window)
    : progress_(new QProgressDialog(job.output.longExposure
                                        ? tr("長時間露光を書き出しています...")
                                        : tr("アニメーションを書き出しています..."),
                                    tr("ｷｬﾝｾﾙ"), 0, 1, window)) {
  progress_->setObjectName(QStringLiteral("exportProgress"));
  progress_->setWindowModality(Qt::NonModal);
  progress_->setMinimumDuration(0);
  progress_->setAutoClose(false);
  progress_->setAutoReset(false);
  connect(progress_, &QProgressDialog::canceled, this, &AnimationExport::cancel);
  progress_->show();
  // Progress reaches the window as queued calls, in order, as the window's
  // launch reports its frames.
  worker_ = std::thread([this, job = std::move(job)] {
    QString error;
    try {
      RunExport(
          job,
          [this](int64_t done, int64_t total, int64_t) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { showProgress(done, total); }, Qt::QueuedConnection);
            return !cancelled_;
          },
          [this] { return cancelled_.load(); });
    } catch (const ParticleMemoryError& e) {
      error = ParticleMemoryRefusal(e.particles());
    } catch (const std::exception& e) {
      error = ExportFailureText(e);
    }
    QMetaObject::invokeMethod(
        this,
        [this, error] {
          closeProgress();
          emit finished(error);
        },
        Qt::QueuedConnection);
  });
}

AnimationExport::~AnimationExport() {
  cancelled_ = true;
  if (worker_.joinable()) worker_.join();
  closeProgress();
}

// The window stays hidden until the export has ended: no later progress
// shows it again.
void AnimationExport::cancel() {
  cancelled_ = true;
  if (progress_) progress_->hide();
}

void AnimationExport::closeProgress() {
  if (progress_) progress_->deleteLater();
}

void AnimationExport::showProgress(int64_t done, int64_t total) {
  if (!progress_ || cancelled_) return;
  progress_->setMaximum(static_cast<int>(std::max<int64_t>(total, 1)));
  progress_->setValue(static_cast<int>(done));
}

}  // namespace kirabel
