#include "ui/pcl_dialogs.h"

namespace kirabel {

FileChooser MakeOpenDialog() {
  FileChooser dialog(FileChooser::Kind::Open,
                     QStringLiteral("PCLファイル(*PCL)|*.PCL|なんでも(*.*)|*.*"));
  dialog.title = QStringLiteral("開く");
  dialog.defaultExtension = QStringLiteral("PCL");
  return dialog;
}

FileChooser MakeSaveDialog() {
  FileChooser dialog(
      FileChooser::Kind::Save,
      QStringLiteral("PCLファイル(*PCL)|*.PCL|ビットマップ(*.BMP)|*.BMP|なんでも(*.*)|*.*"));
  dialog.title = QStringLiteral("名前を付けて保存");
  return dialog;
}

}  // namespace kirabel
