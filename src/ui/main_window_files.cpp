// File commands of the main window: new, open, merge, save, save as, save
// image, exit, and files dropped onto the window. There is no modified flag:
// only New asks before the list is discarded.
#include <QStringList>

#include "model/launch_settings.h"
#include "model/pcl_file.h"
#include "picture_io/frame_writer.h"
#include "ui/command_errors.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/space_viewer.h"

namespace kirabel {

namespace {

// After a use of `from`, both dialogs start in the folder of its file name.
// A dialog that has never had a file keeps its starting folder, so cancelling
// the first Open of a run does not forget the folder remembered in the settings.
void StartBothIn(FileChooser& from, FileChooser& other) {
  if (!from.fileName.isEmpty()) from.initialDir = from.fileFolder();
  other.initialDir = from.initialDir;
}

}  // namespace

void MainWindow::newList() {
  if (document_.sets().empty()) return;
  if (!MessageBox::confirm(this, QStringLiteral("現在のデータを破棄していいですか"))) return;
  // The launch settings stay.
  document_.apply(ReplaceListCommand({}, std::nullopt, std::string()));
}

void MainWindow::openList() {
  if (openDialog.execute(this)) openFile(openDialog.fileName.toStdString());
  StartBothIn(openDialog, saveDialog);
}

// Reads a PCL file for a command; a file that is no PCL file gives the
// warning, an error (memory) its error box, and nothing.
std::optional<PclContents> MainWindow::readList(const std::string& path) {
  std::optional<PclContents> contents;
  if (!RunCommand(this, [&] { contents = ReadPclFile(path); })) return std::nullopt;
  if (!contents) MessageBox::warning(this, QString::fromUtf8(kNotPclFileWarning));
  return contents;
}

// The file is read before the list is given up, so that choosing a file that
// is no PCL file keeps the list.
void MainWindow::openFile(const std::string& path) {
  std::optional<PclContents> read = readList(path);
  if (!read) return;
  document_.apply(
      ReplaceListCommand(std::move(read->sets), std::move(read->settings), std::move(read->path)));
}

void MainWindow::mergeList() {
  if (openDialog.execute(this)) loadFile(openDialog.fileName.toStdString());
  StartBothIn(openDialog, saveDialog);
}

bool MainWindow::loadFile(const std::string& path) {
  std::optional<PclContents> read = readList(path);
  if (!read) return false;
  document_.apply(
      MergeListCommand(std::move(read->sets), std::move(read->settings), std::move(read->path)));
  return true;
}

void MainWindow::saveList() {
  const std::string path = document_.fileName();
  if (path.empty()) {
    saveListAs();
    return;
  }
  const QString question =
      QString::fromStdString(path) + QStringLiteral("に上書き保存していいですね");
  if (!MessageBox::confirm(this, question)) return;
  writeList(path);
}

void MainWindow::saveListAs() {
  saveDialog.defaultExtension = QStringLiteral("PCL");
  saveDialog.filterIndex = 1;
  // A failed save ends the command before the starting folders change.
  if (saveDialog.execute(this) && !writeList(saveDialog.fileName.toStdString())) return;
  StartBothIn(saveDialog, openDialog);
}

// Saves the list; the file becomes the current file.
bool MainWindow::writeList(const std::string& path) {
  return RunCommand(this, [&] {
    SaveListToFile(path, document_.sets(), document_.launchSettings());
    document_.setFileName(path);
  });
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
}

}  // namespace kirabel
