#pragma once
// The space resolution dialog ("空間解像度の設定"). It holds no logic: the main
// window presets widthEdit / heightEdit, shows it modally and reads them back after OK.
#include "ui/small_dialog.h"

namespace kirabel {

class NumericField;

class ResolutionDialog : public SmallDialog {
  Q_OBJECT
 public:
  explicit ResolutionDialog(QWidget* parent = nullptr);

  NumericField* widthEdit;    // width in pixels, 0..9999
  NumericField* heightEdit;   // height in pixels, 0..9999
  QPushButton* okButton;      // OK
  QPushButton* cancelButton;  // ｷｬﾝｾﾙ
};

}  // namespace kirabel
