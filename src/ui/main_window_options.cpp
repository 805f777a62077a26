// Option commands and small dialogs of the main window.
#include <QAction>
#include <QWidget>

#include "ui/main_window.h"

namespace kirabel {

void TForm1::K2Click() {
  ColSizing = K2->isChecked();
}

void TForm1::K3Click() {
  Panel1->setVisible(K3->isChecked());
}

void TForm1::K5Click() {
  AntiA = K5->isChecked();
}

void TForm1::KL2Click() {
  LoopSpace = KL2->isChecked();
}

void TForm1::K6Click() {}

void TForm1::KW1Click() {}

void TForm1::K10Click() {}

void TForm1::KA2Click() {}

}  // namespace kirabel
