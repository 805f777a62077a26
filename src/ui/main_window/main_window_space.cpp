// The space resolution: the space buffer and the viewer's picture always
// have the same size and are replaced together.
#include <new>

#include "platform/errors.h"
#include "simulation/space_buffer.h"
#include "ui/main_window/main_window.h"
#include "ui/services/message_box.h"
#include "ui/widgets/space_viewer.h"

namespace kirabel {

void MainWindow::applyResolution(int32_t width, int32_t height) {
  // The renderer keeps the buffer and the picture for a whole frame.
  if (launchSession_.launching()) {
    MessageBox::beep();
    return;
  }
  // The old buffer goes first, so that its memory is free for the new one.
  launchSession_.space().reset();
  try {
    launchSession_.space() = std::make_unique<SpaceBuffer>(width, height);
    if (viewer_) viewer_->fitToPicture(width, height);
    // Announced once the picture has its new size.
    setResolutionOption(width, height);
  } catch (const std::bad_alloc&) {
    fallBackToEmptySpace();
    throw OutOfMemoryError();
  } catch (const OutOfMemoryError&) {
    fallBackToEmptySpace();
    throw;
  }
}

// After a failed resolution the program goes on with an empty space and an
// empty picture of the same (0 × 0) size, never with a released buffer.
void MainWindow::fallBackToEmptySpace() {
  launchSession_.space() = std::make_unique<SpaceBuffer>(0, 0);
  if (viewer_) viewer_->fitToPicture(0, 0);
  setResolutionOption(0, 0);
}

void MainWindow::setResolutionOption(int32_t width, int32_t height) {
  changeOptions([width, height](Options& o) {
    o.resolutionWidth = width;
    o.resolutionHeight = height;
  });
}

}  // namespace kirabel
