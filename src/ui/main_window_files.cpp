// File commands of the main window: new, open, merge, save, save as, save
// image, exit, and files dropped onto the window. There is no modified flag:
// only New asks before the list is discarded.
#include <QStringList>

#include "image/space_viewer.h"
#include "model/environment.h"
#include "picture_io/frame_writer.h"
#include "ui/command_errors.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

namespace kirabel {

namespace {

const int kEmptyGridRows = 2;  // the header and the new-set row

// Collects what a load reports, for a load into a list of its own.
class LoadRecord : public PclLoadObserver {
 public:
  void NotPclFile(const std::string&) override { refused = true; }
  void FileNameChanged(const std::string& path) override { fullPath = path; }
  void SetsAppended(int, int) override {}

  bool refused = false;
  std::string fullPath;
};

// After a use of `from`, both dialogs start in the folder of its file name.
// A dialog that has never had a file keeps its starting folder, so cancelling
// the first Open of a run does not forget the folder remembered in the settings.
void StartBothIn(TFileDialog& from, TFileDialog& other) {
  if (!from.FileName.isEmpty()) from.InitialDir = from.FileFolder();
  other.InitialDir = from.InitialDir;
}

}  // namespace

void TForm1::KN2Click() {
  if (!List.empty()) {
    if (!MessageBox::Confirm(this, QStringLiteral("現在のデータを破棄していいですか"))) return;
    SetFileName(std::string());
    List.clear();
    RebuildChildList();
  }
  SetRowCount(kEmptyGridRows);
  RepaintGrid();
}

void TForm1::KR1Click() {
  if (OpenDialog1.Execute(this)) OpenFile(OpenDialog1.FileName.toStdString());
  StartBothIn(OpenDialog1, SaveDialog1);
  RepaintGrid();
}

// Replaces the list by the file's sets. The file is read before the list is
// given up, so that choosing a file that is no PCL file keeps the list.
void TForm1::OpenFile(const std::string& path) {
  ParticleList sets;
  TEnvironment settings;
  LoadRecord record;
  bool loaded = false;
  if (!RunCommand(this, [&] { loaded = LoadListFromFile(path, sets, settings, &record); })) {
    return;
  }
  if (!loaded) {
    NotPclFile(path);
    return;
  }
  SetRowCount(kEmptyGridRows);
  List = std::move(sets);
  Environment() = settings;
  RebuildChildList();
  SetFileName(record.fullPath);
  SetRowCount(RowCount() + static_cast<int>(List.size()));
}

void TForm1::KM1Click() {
  if (OpenDialog1.Execute(this)) LoadFile(OpenDialog1.FileName.toStdString());
  StartBothIn(OpenDialog1, SaveDialog1);
  RepaintGrid();
}

void TForm1::KA1Click() {
  if (FileName.empty()) {
    KS1Click();
    return;
  }
  const QString question =
      QString::fromStdString(FileName) + QStringLiteral("に上書き保存していいですね");
  if (!MessageBox::Confirm(this, question)) return;
  const std::string path = FileName;
  RunCommand(this, [&] {
    SaveListToFile(path, List, Environment());
    SetFileName(path);
  });
}

void TForm1::KS1Click() {
  SaveDialog1.DefaultExt = QStringLiteral("PCL");
  SaveDialog1.FilterIndex = 1;
  if (SaveDialog1.Execute(this)) {
    const std::string path = SaveDialog1.FileName.toStdString();
    const bool saved = RunCommand(this, [&] {
      SaveListToFile(path, List, Environment());
      SetFileName(path);
    });
    // A failed save ends the command before the starting folders change.
    if (!saved) return;
  }
  StartBothIn(SaveDialog1, OpenDialog1);
}

void TForm1::KI1Click() {
  SaveDialog1.DefaultExt = QStringLiteral("BMP");
  SaveDialog1.FilterIndex = 2;
  if (!SaveDialog1.Execute(this) || !Form2) return;
  const std::string name = SaveDialog1.FileName.toStdString();
  RunCommand(this, [&] { WritePicture(Form2->Bitmap(), name, FormatForName(name)); });
}

void TForm1::Exit1Click() {
  EndProgram();
}

void TForm1::DropFiles(const QStringList& paths) {
  // Only the first file of a drop is merged.
  if (!paths.isEmpty()) LoadFile(paths.first().toStdString());
  RepaintGrid();
}

bool TForm1::LoadFile(const std::string& path) {
  bool loaded = false;
  RunCommand(this, [&] { loaded = LoadListFromFile(path, List, Environment(), this); });
  return loaded;
}

void TForm1::NotPclFile(const std::string&) {
  MessageBox::Warning(this, QString::fromUtf8(kNotPclFileWarning));
}

void TForm1::FileNameChanged(const std::string& fullPath) {
  SetFileName(fullPath);
}

void TForm1::SetsAppended(int, int count) {
  SetRowCount(RowCount() + count);
  // The names read follow those already in the list.
  RebuildChildList();
}

}  // namespace kirabel
