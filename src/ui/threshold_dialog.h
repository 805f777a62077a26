#pragma once
// The warning value dialog ("警告値の設定"): the particle count from which a
// launch asks before computing. The main window presets thresholdEdit and reads it
// back after OK.
#include "ui/small_dialog.h"

namespace kirabel {

class NumericField;

class ThresholdDialog : public SmallDialog {
  Q_OBJECT
 public:
  explicit ThresholdDialog(QWidget* parent = nullptr);

  NumericField* thresholdEdit;  // particle count, design value 10000
  QPushButton* okButton;        // OK
  QPushButton* cancelButton;    // ｷｬﾝｾﾙ
};

}  // namespace kirabel
