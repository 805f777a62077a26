#pragma once
// The warning value dialog ("警告値の設定"): the particle count from which a
// launch asks before computing. The main window presets NEdit1 and reads it
// back after OK.
#include "ui/small_dialog.h"

namespace kirabel {

class TNValEdit;

class TForm7 : public TSmallDialog {
  Q_OBJECT
 public:
  explicit TForm7(QWidget* parent = nullptr);

  TNValEdit* NEdit1;     // particle count, design value 10000
  QPushButton* BitBtn1;  // OK
  QPushButton* BitBtn2;  // ｷｬﾝｾﾙ
};

}  // namespace kirabel
