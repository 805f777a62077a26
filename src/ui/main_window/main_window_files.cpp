// File commands of the main window: new, open, merge, save, save as, save
// image, exit, recent files, and files dropped onto the window. A changed
// list asks whether to save it before it would be lost.
#include <QFileInfo>
#include <QStringList>

#include "model/launch_settings.h"
#include "model/pcl_file.h"
#include "picture_io/frame_writer.h"
#include "platform/errors.h"
#include "texts/error_texts.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/recent_files_menu.h"
#include "ui/services/command_errors.h"
#include "ui/services/message_box.h"
#include "ui/widgets/space_viewer.h"

namespace kirabel {

namespace {

// After a use of `from`, both dialogs start in the folder of its file name.
// A dialog that has never had a file keeps its starting folder, so cancelling
// the first Open of a run does not forget the folder remembered in the settings.
void StartBothIn(FileChooser& from, FileChooser& other) {
  if (!from.fileName.isEmpty()) from.startFolder = from.fileFolder();
  other.startFolder = from.startFolder;
}

}  // namespace

// A changed list asks whether to save it instead of whether to discard it.
void MainWindow::newList() {
  if (document_.sets().empty()) return;
  if (document_.modified() ? !maySaveChanges()
                           : !MessageBox::confirm(this, tr("現在のデータを破棄していいですか")))
    return;
  // The launch settings stay.
  document_.apply(ReplaceListCommand({}, std::nullopt, std::string()), tr("新規作成", "undo step"));
  document_.markSaved();
}

void MainWindow::openList() {
  if (!maySaveChanges()) return;
  if (openDialog_.execute(this)) openFile(openDialog_.fileName.toStdString());
  StartBothIn(openDialog_, saveDialog_);
}

// Before changes could be lost: "変更を保存しますか？" when the list changed
// since it was loaded or saved. True to go on (saved, or not to be saved).
bool MainWindow::maySaveChanges() {
  if (!document_.modified()) return true;
  switch (MessageBox::show(this, MsgKind::Confirmation, tr("変更を保存しますか？"),
                           MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes:
      return saveInteractively();
    case MsgAnswer::No:
      return true;
    default:
      return false;
  }
}

// Reads a PCL file for a command; a file that is no PCL file gives the
// warning, an error (memory) its error box, and nothing.
std::optional<PclContents> MainWindow::readList(const std::string& path) {
  std::optional<PclContents> contents;
  RunCommand(this, [&] {
    try {
      contents = ReadPclFile(path);
    } catch (const PclReadError& refused) {
      MessageBox::warning(this, ErrorText(refused));
    }
  });
  return contents;
}

// The file is read before the list is given up, so that choosing a file that
// is no PCL file keeps the list.
void MainWindow::openFile(const std::string& path) {
  std::optional<PclContents> read = readList(path);
  if (!read) return;
  document_.apply(
      ReplaceListCommand(std::move(read->sets), std::move(read->settings), std::move(read->path),
                         std::move(read->show), std::move(read->look)),
      tr("読み込み", "undo step"));
  document_.markSaved();
  noteRecentFile(path);
  warnOfMissingSoundtrack();
}

void MainWindow::openRecentFile(const QString& path) {
  if (!maySaveChanges()) return;
  if (!QFileInfo(path).isFile()) {
    MessageBox::warning(
        this, tr("%1 が見つかりません。最近使ったファイルの一覧から外します。").arg(path));
    recentFilesMenu_->removeFile(path.toStdString());
    return;
  }
  openFile(path.toStdString());
}

// Files opened or saved are offered again; a merged, dropped or start file
// is not, so that starting with a file still writes no settings.
void MainWindow::noteRecentFile(const std::string& path) {
  recentFilesMenu_->addFile(
      QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString());
}

void MainWindow::mergeList() {
  if (openDialog_.execute(this)) loadFile(openDialog_.fileName.toStdString());
  StartBothIn(openDialog_, saveDialog_);
}

bool MainWindow::loadFile(const std::string& path) {
  std::optional<PclContents> read = readList(path);
  if (!read) return false;
  document_.apply(
      MergeListCommand(std::move(read->sets), std::move(read->settings), std::move(read->path),
                       std::move(read->show), std::move(read->look)),
      tr("追加読み込み", "undo step"));
  warnOfMissingSoundtrack();
  return true;
}

void MainWindow::loadStartFile(const std::string& path) {
  if (loadFile(path)) document_.history().clear();
}

void MainWindow::saveList() {
  saveInteractively();
}

void MainWindow::saveListAs() {
  saveAsInteractively();
}

// Overwrite save after its question, or save as for an untitled list.
bool MainWindow::saveInteractively() {
  const std::string path = document_.fileName();
  if (path.empty()) return saveAsInteractively();
  const QString question = tr("%1に上書き保存していいですね").arg(QString::fromStdString(path));
  return MessageBox::confirm(this, question) && writeList(path);
}

bool MainWindow::saveAsInteractively() {
  saveDialog_.defaultExtension = QStringLiteral("PCL");
  saveDialog_.filterIndex = 1;
  const bool chosen = saveDialog_.execute(this);
  // A failed save ends the command before the starting folders change.
  if (chosen && !writeList(saveDialog_.fileName.toStdString())) return false;
  StartBothIn(saveDialog_, openDialog_);
  return chosen;
}

// Saves the list; the file becomes the current file.
bool MainWindow::writeList(const std::string& path) {
  return RunCommand(this, [&] {
    SaveListToFile(path, document_.sets(), document_.launchSettings(), document_.showSettings(),
                   document_.look());
    document_.setFileName(path);
    document_.markSaved();
    noteRecentFile(path);
  });
}

void MainWindow::saveImage() {
  saveDialog_.defaultExtension = QStringLiteral("BMP");
  saveDialog_.filterIndex = 2;
  if (!saveDialog_.execute(this) || !viewer_) return;
  const std::string name = saveDialog_.fileName.toStdString();
  RunCommand(this, [&] { WritePicture(viewer_->picture(), name, FormatForName(name)); });
}

void MainWindow::exitProgram() {
  if (maySaveChanges()) endProgram();
}

void MainWindow::dropFiles(const QStringList& paths) {
  // Only the first file of a drop is merged.
  if (!paths.isEmpty()) loadFile(paths.first().toStdString());
}

void MainWindow::setStartFolder(const QString& folder) {
  openDialog_.startFolder = folder;
  saveDialog_.startFolder = folder;
}

const std::vector<std::string>& MainWindow::recentFiles() const {
  return recentFilesMenu_->files();
}

void MainWindow::setRecentFiles(std::vector<std::string> files) {
  recentFilesMenu_->setFiles(std::move(files));
}

}  // namespace kirabel
