#include "ui/services/pcl_dialogs.h"

#include <QCoreApplication>

namespace kirabel {

namespace {

// Filter entries in the "description|patterns" form of FileChooser.
QString PclFilter() {
  return QCoreApplication::translate("kirabel::PclDialogs", "PCLファイル(*PCL)") +
         QStringLiteral("|*.PCL|");
}

QString BitmapFilter() {
  return QCoreApplication::translate("kirabel::PclDialogs", "ビットマップ(*.BMP)") +
         QStringLiteral("|*.BMP|");
}

}  // namespace

QString AnyFileFilter() {
  return QCoreApplication::translate("kirabel::PclDialogs", "なんでも(*.*)") +
         QStringLiteral("|*.*");
}

FileChooser MakeOpenDialog() {
  FileChooser dialog(FileChooser::Kind::Open, PclFilter() + AnyFileFilter());
  dialog.title = QCoreApplication::translate("kirabel::PclDialogs", "開く");
  dialog.defaultExtension = QStringLiteral("PCL");
  return dialog;
}

FileChooser MakeSaveDialog() {
  FileChooser dialog(FileChooser::Kind::Save, PclFilter() + BitmapFilter() + AnyFileFilter());
  dialog.title = QCoreApplication::translate("kirabel::PclDialogs", "名前を付けて保存");
  return dialog;
}

}  // namespace kirabel
