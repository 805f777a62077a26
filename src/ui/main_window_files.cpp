// File commands of the main window: new, open, merge, save, save as, save
// image, exit, and files dropped onto the window.
#include <QStringList>

#include "model/environment.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

namespace kirabel {

void TForm1::KN2Click() {}

void TForm1::KR1Click() {}

void TForm1::KM1Click() {}

void TForm1::KA1Click() {}

void TForm1::KS1Click() {}

void TForm1::KI1Click() {}

void TForm1::Exit1Click() {
  EndProgram();
}

void TForm1::DropFiles(const QStringList& paths) {
  if (!paths.isEmpty()) LoadFile(paths.first().toStdString());
  RepaintGrid();
}

bool TForm1::LoadFile(const std::string& path) {
  return LoadListFromFile(path, List, Environment(), this);
}

void TForm1::NotPclFile(const std::string&) {
  MessageBox::Warning(this, QString::fromUtf8(kNotPclFileWarning));
}

void TForm1::FileNameChanged(const std::string& fullPath) {
  SetFileName(fullPath);
}

void TForm1::SetsAppended(int, int count) {
  SetRowCount(RowCount() + count);
  RebuildChildList();
}

}  // namespace kirabel
