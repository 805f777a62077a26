// The space resolution: the space buffer and the viewer's picture always
// have the same size and are replaced together.
#include "image/space_viewer.h"
#include "platform/errors.h"
#include "simulation/space.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

namespace kirabel {

void TForm1::ApplyResolution(int32_t width, int32_t height) {
  // The renderer keeps the buffer and the picture for a whole frame.
  if (Launching) {
    MessageBox::Beep();
    return;
  }
  ResolutionX = width;
  ResolutionY = height;
  Space.reset();
  Space = std::make_unique<TSpace>(width, height);
  if (Form2) {
    try {
      Form2->FitToPicture(width, height);
    } catch (...) {
      Space.reset();
      throw;
    }
  }
}

}  // namespace kirabel
