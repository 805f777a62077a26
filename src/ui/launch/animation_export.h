#pragma once
// An export running in the background (an animation or a long exposure): the
// frames are drawn and encoded on a thread of their own while the window
// stays usable; a progress window shows how far it is and can cancel it (a
// cancelled export leaves nothing).
#include <QObject>
#include <QPointer>
#include <QString>
#include <atomic>
#include <cstdint>
#include <thread>

#include "picture_io/exporter.h"

class QProgressDialog;
class QWidget;

namespace kirabel {

class AnimationExport : public QObject {
  Q_OBJECT
 public:
  // Starts writing job; the progress window belongs to `window`.
  AnimationExport(ExportJob job, QWidget* window);
  // Cancels an export still running and waits for it.
  ~AnimationExport() override;

  // Ends the export at whatever stage it is (the encoder too) and hides the
  // progress window for good; nothing of the animation stays.
  void cancel();

 signals:
  // The export ended: an error text, or empty when it was written or cancelled.
  void finished(const QString& error);

 private:
  void showProgress(int64_t done, int64_t total);
  void closeProgress();

  std::atomic<bool> cancelled_{false};
  QPointer<QProgressDialog> progress_;
  std::thread worker_;
};

}  // namespace kirabel
