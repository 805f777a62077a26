#pragma once
// The warning value dialog ("警告値の設定"): the particle count from which a
// launch asks before computing. It holds no data: the main window presets the
// count and reads it back after OK.
#include <cstdint>

#include "ui/dialogs/small_dialog.h"

namespace kirabel {

class NumericField;

class ThresholdDialog : public SmallDialog {
  Q_OBJECT
 public:
  explicit ThresholdDialog(QWidget* parent = nullptr);

  void setThreshold(int32_t particles);
  int32_t threshold() const;

 private:
  NumericField* thresholdEdit;  // particle count, 10000 at start
  QPushButton* okButton;        // OK
  QPushButton* cancelButton;    // ｷｬﾝｾﾙ
};

}  // namespace kirabel
