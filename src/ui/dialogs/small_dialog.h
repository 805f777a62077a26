#pragma once
// Common frame of the program's small modal dialogs: a fixed dialog centred
// on the screen when shown, with texts that wrap rather than run past its
// border.
#include "ui/dialogs/fixed_dialog.h"

class QLabel;

namespace kirabel {

class SmallDialog : public FixedDialog {
  Q_OBJECT
 public:
  SmallDialog(QWidget* parent, const QString& caption);

 protected:
  // A text that wraps onto further lines where the dialog is too narrow for
  // it (fonts differ between systems); not yet placed in a row.
  QLabel* newLabel(const QString& objectName, const QString& text);
};

}  // namespace kirabel
