// Option commands and small dialogs of the main window: the four check items
// of the settings menu, the resolution and warning value dialogs, help and the
// about box. Each option handler runs after its menu item has inverted its
// check mark and takes the new state from it.
#include <QAction>
#include <QDialog>
#include <QWidget>

#include "controls/NValEdit.h"
#include "platform/errors.h"
#include "ui/about_dialog.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/modal_runner.h"
#include "ui/numeric_value.h"
#include "ui/resolution_dialog.h"
#include "ui/threshold_dialog.h"

namespace kirabel {

// Column fitting acts at the next size change of the window, not at once.
void TForm1::K2Click() {
  ColSizing = K2->isChecked();
}

// The grid takes over the tool bar's space (or gives it back) through the layout.
void TForm1::K3Click() {
  Panel1->setVisible(K3->isChecked());
}

// The renderer asks for both rendering flags at every sample, so a change made
// during a launch takes effect from the next sample on.
void TForm1::K5Click() {
  AntiA = K5->isChecked();
}

void TForm1::KL2Click() {
  LoopSpace = KL2->isChecked();
}

void TForm1::K6Click() {
  if (!Form4 || Launching) return;
  Form4->NEditX->setValue(ResolutionX);
  Form4->NEditY->setValue(ResolutionY);
  if (ModalRunner::exec(*Form4) != QDialog::Accepted) return;
  const int32_t width = TruncateToInt32(Form4->NEditX->Value());
  const int32_t height = TruncateToInt32(Form4->NEditY->Value());
  // Applied also when nothing changed: the picture is rebuilt and cleared.
  try {
    ApplyResolution(width, height);
  } catch (const KirabelError& error) {
    MessageBox::ShowError(this, QString::fromUtf8(error.what()));
  }
}

void TForm1::KW1Click() {
  if (!Form7) return;
  Form7->NEdit1->setValue(TooMany);
  if (ModalRunner::exec(*Form7) != QDialog::Accepted) return;
  TooMany = TruncateToInt32(Form7->NEdit1->Value());
}

void TForm1::K10Click() {
  HelpViewer::Show(this);
}

void TForm1::KA2Click() {
  if (Form6) ModalRunner::exec(*Form6);
}

}  // namespace kirabel
