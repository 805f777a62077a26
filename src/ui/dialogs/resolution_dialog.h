#pragma once
// The space resolution dialog ("空間解像度の設定"). It holds no data: the main
// window presets the resolution, shows it modally and reads it back after OK.
#include <cstdint>
#include <utility>

#include "ui/dialogs/small_dialog.h"

namespace kirabel {

class NumericField;

class ResolutionDialog : public SmallDialog {
  Q_OBJECT
 public:
  explicit ResolutionDialog(QWidget* parent = nullptr);

  void setResolution(int32_t width, int32_t height);
  // The width and height shown, each 0..9999.
  std::pair<int32_t, int32_t> resolution() const;

 private:
  NumericField* widthEdit;    // width in pixels, 0..9999
  NumericField* heightEdit;   // height in pixels, 0..9999
  QPushButton* okButton;      // OK
  QPushButton* cancelButton;  // ｷｬﾝｾﾙ
};

}  // namespace kirabel
