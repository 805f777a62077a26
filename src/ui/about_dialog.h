#pragma once
// The about box ("あばうと"): the program's picture, a few lines of text and OK.
#include "ui/small_dialog.h"

namespace kirabel {

class TForm6 : public TSmallDialog {
  Q_OBJECT
 public:
  explicit TForm6(QWidget* parent = nullptr);

  QLabel* Image1;        // the 128 × 128 picture
  QPushButton* BitBtn1;  // OK

 private:
  void addTextLines();
};

}  // namespace kirabel
