// The space resolution: the space buffer and the viewer's picture always
// have the same size and are replaced together.
#include <new>

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
  // The old buffer goes first, so that its memory is free for the new one.
  Space.reset();
  try {
    Space = std::make_unique<TSpace>(width, height);
    if (Form2) Form2->FitToPicture(width, height);
  } catch (const std::bad_alloc&) {
    FallBackToEmptySpace();
    throw OutOfMemoryError();
  } catch (const OutOfMemoryError&) {
    FallBackToEmptySpace();
    throw;
  }
}

// After a failed resolution the program goes on with an empty space and an
// empty picture of the same (0 × 0) size, never with a released buffer.
void TForm1::FallBackToEmptySpace() {
  ResolutionX = 0;
  ResolutionY = 0;
  Space = std::make_unique<TSpace>(0, 0);
  if (Form2) Form2->FitToPicture(0, 0);
}

}  // namespace kirabel
