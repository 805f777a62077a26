#pragma once
// The space resolution dialog ("空間解像度の設定"). It holds no logic: the main
// window presets NEditX / NEditY, shows it modally and reads them back after OK.
#include "ui/small_dialog.h"

namespace kirabel {

class TNValEdit;

class TForm4 : public TSmallDialog {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* parent = nullptr);

  TNValEdit* NEditX;     // width in pixels, 0..9999
  TNValEdit* NEditY;     // height in pixels, 0..9999
  QPushButton* BitBtn1;  // OK
  QPushButton* BitBtn2;  // ｷｬﾝｾﾙ
};

}  // namespace kirabel
