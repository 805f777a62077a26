// The look of the window's pictures: the Look dialog and the developer the
// window's scenes are made with.
#include "model/look.h"
#include "picture_io/sky_photo.h"
#include "texts/error_texts.h"
#include "ui/dialogs/look_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/services/message_box.h"
#include "ui/services/modal_runner.h"

namespace kirabel {

// Each change in the dialog shows in the preview at once; OK keeps the look
// as one step of the history, Cancel goes back to the document's.
void MainWindow::editLook() {
  LookDialog& dialog = lookDialog();
  dialog.setLook(document_.look());
  const bool accepted = ModalRunner::exec(dialog) == QDialog::Accepted;
  if (accepted) document_.changeLook(dialog.look(), tr("見た目", "undo step"));
  if (launchSession_.look() != document_.look()) developInLook(document_.look());
}

void MainWindow::developInLook(const Look& look) {
  try {
    launchSession_.setLook(look);
  } catch (const SkyPhotoError& unreadable) {
    MessageBox::warning(this, ErrorText(unreadable));
  }
}

}  // namespace kirabel
