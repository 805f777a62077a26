// The timeline window of the main window: made with it, opened by
// "タイムライン(&T)" (F6); it shares the window's selection, and a time chosen
// on its ruler is shown by the preview.
#include <QAction>

#include "ui/main_window/main_window.h"
#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui/timeline/timeline_window.h"

namespace kirabel {

// The list's, the launch's and the window's keys work in the timeline too.
void MainWindow::createTimeline() {
  timeline_ = std::make_unique<TimelineWindow>(document_, selection_);
  timeline_->setFont(font());
  timeline_->addActions({actionUndo_, actionRedo_, actionLaunch_, actionPreview_, actionTimeline_,
                         actionShellLibrary_, actionHelp_});
  connect(timeline_.get(), &TimelineWindow::frameChosen, this, &MainWindow::showPreviewFrame);
  // The soundtrack's outline reaches the timeline once it is decoded.
  connect(&soundtrackLoader_, &SoundtrackLoader::waveformReady, timeline_.get(),
          &TimelineWindow::setWaveform);
}

void MainWindow::showTimeline() {
  timeline_->open();
}

// The preview, started and turned on, goes to `frame`.
void MainWindow::showPreviewFrame(int64_t frame) {
  startPreview();
  turnPreviewOn();
  if (preview_) preview_->bar().setFrame(frame);
}

}  // namespace kirabel
