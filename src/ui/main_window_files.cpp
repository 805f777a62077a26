// File commands of the main window: new, open, merge, save, save as, save
// image, exit, and files dropped onto the window. There is no modified flag:
// only New asks before the list is discarded.
#include <QStringList>

#include "image/space_viewer.h"
#include "model/launch_settings.h"
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
void StartBothIn(FileChooser& from, FileChooser& other) {
  if (!from.fileName.isEmpty()) from.initialDir = from.fileFolder();
  other.initialDir = from.initialDir;
}

}  // namespace

void MainWindow::newList() {
  if (!List.empty()) {
    if (!MessageBox::Confirm(this, QStringLiteral("現在のデータを破棄していいですか"))) return;
    setFileName(std::string());
    List.clear();
    rebuildChildList();
  }
  setRowCount(kEmptyGridRows);
  repaintGrid();
}

void MainWindow::openList() {
  if (openDialog.execute(this)) openFile(openDialog.fileName.toStdString());
  StartBothIn(openDialog, saveDialog);
  repaintGrid();
}

// Replaces the list by the file's sets. The file is read before the list is
// given up, so that choosing a file that is no PCL file keeps the list.
void MainWindow::openFile(const std::string& path) {
  ParticleList sets;
  LaunchSettings settings;
  LoadRecord record;
  bool loaded = false;
  if (!RunCommand(this, [&] { loaded = LoadListFromFile(path, sets, settings, &record); })) {
    return;
  }
  if (!loaded) {
    NotPclFile(path);
    return;
  }
  setRowCount(kEmptyGridRows);
  List = std::move(sets);
  Environment() = settings;
  rebuildChildList();
  setFileName(record.fullPath);
  setRowCount(rowCount() + static_cast<int>(List.size()));
}

void MainWindow::mergeList() {
  if (openDialog.execute(this)) loadFile(openDialog.fileName.toStdString());
  StartBothIn(openDialog, saveDialog);
  repaintGrid();
}

void MainWindow::saveList() {
  if (fileName.empty()) {
    saveListAs();
    return;
  }
  const QString question =
      QString::fromStdString(fileName) + QStringLiteral("に上書き保存していいですね");
  if (!MessageBox::Confirm(this, question)) return;
  const std::string path = fileName;
  RunCommand(this, [&] {
    SaveListToFile(path, List, Environment());
    setFileName(path);
  });
}

void MainWindow::saveListAs() {
  saveDialog.defaultExtension = QStringLiteral("PCL");
  saveDialog.filterIndex = 1;
  if (saveDialog.execute(this)) {
    const std::string path = saveDialog.fileName.toStdString();
    const bool saved = RunCommand(this, [&] {
      SaveListToFile(path, List, Environment());
      setFileName(path);
    });
    // A failed save ends the command before the starting folders change.
    if (!saved) return;
  }
  StartBothIn(saveDialog, openDialog);
}

void MainWindow::saveImage() {
  saveDialog.defaultExtension = QStringLiteral("BMP");
  saveDialog.filterIndex = 2;
  if (!saveDialog.execute(this) || !viewer) return;
  const std::string name = saveDialog.fileName.toStdString();
  RunCommand(this, [&] { WritePicture(viewer->picture(), name, FormatForName(name)); });
}

void MainWindow::exitProgram() {
  endProgram();
}

void MainWindow::dropFiles(const QStringList& paths) {
  // Only the first file of a drop is merged.
  if (!paths.isEmpty()) loadFile(paths.first().toStdString());
  repaintGrid();
}

bool MainWindow::loadFile(const std::string& path) {
  bool loaded = false;
  RunCommand(this, [&] { loaded = LoadListFromFile(path, List, Environment(), this); });
  return loaded;
}

void MainWindow::NotPclFile(const std::string&) {
  MessageBox::Warning(this, QString::fromUtf8(kNotPclFileWarning));
}

void MainWindow::FileNameChanged(const std::string& fullPath) {
  setFileName(fullPath);
}

void MainWindow::SetsAppended(int, int count) {
  setRowCount(rowCount() + count);
  // The names read follow those already in the list.
  rebuildChildList();
}

}  // namespace kirabel
