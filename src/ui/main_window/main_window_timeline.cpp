// The timeline window of the main window: made with it, opened by
// "タイムライン(&T)" (F6), its selected row in step with the grid's.
#include <QAction>

#include "ui/main_window/main_window.h"
#include "ui/timeline/timeline_window.h"
#include "ui/widgets/particle_grid.h"

namespace kirabel {

// The list's, the launch's and the window's keys work in the timeline too.
void MainWindow::createTimeline() {
  timeline_ = std::make_unique<TimelineWindow>(*this);
  timeline_->addActions(
      {actionUndo_, actionRedo_, actionLaunch_, actionPreview_, actionTimeline_, actionHelp_});
  // The soundtrack's outline reaches the timeline once it is decoded.
  connect(&soundtrackLoader_, &SoundtrackLoader::waveformReady, timeline_.get(),
          &TimelineWindow::setWaveform);
}

void MainWindow::showTimeline() {
  timeline_->open();
}

void MainWindow::selectRow(int row) {
  grid_->setSelectedRow(row);
}

}  // namespace kirabel
