#include "ui/pcl_dialogs.h"

namespace kirabel {

TFileDialog MakeOpenDialog() {
  TFileDialog dialog(TFileDialog::Kind::Open,
                     QStringLiteral("PCLファイル(*PCL)|*.PCL|なんでも(*.*)|*.*"));
  dialog.Title = QStringLiteral("開く");
  dialog.DefaultExt = QStringLiteral("PCL");
  return dialog;
}

TFileDialog MakeSaveDialog() {
  TFileDialog dialog(
      TFileDialog::Kind::Save,
      QStringLiteral("PCLファイル(*PCL)|*.PCL|ビットマップ(*.BMP)|*.BMP|なんでも(*.*)|*.*"));
  dialog.Title = QStringLiteral("名前を付けて保存");
  return dialog;
}

}  // namespace kirabel
