#pragma once
// The about box ("あばうと"): the program's picture, a few lines of text and OK.
#include "ui/dialogs/small_dialog.h"

namespace kirabel {

class AboutDialog : public SmallDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);

 private:
  void addTextLines();

  QLabel* picture;        // the 128 × 128 picture
  QPushButton* okButton;  // OK
};

}  // namespace kirabel
