#pragma once
// The main window's commands and state that the tests drive and read
// directly, where a user would go through a menu, a key or a modal dialog.
#include <QAbstractItemModel>
#include <QStringList>
#include <cstddef>
#include <string>

#include "document/child_set_model.h"
#include "ui/main_window/main_window.h"
#include "ui/widgets/particle_grid.h"

namespace kirabel {

class MainWindowTestAccess {
 public:
  explicit MainWindowTestAccess(MainWindow& window) : window_(window) {}

  LaunchSession& launchSession() { return window_.launchSession_; }
  SoundtrackLoader& soundtrackLoader() { return window_.soundtrackLoader_; }
  QAbstractItemModel* childChoices() const { return window_.childChoices_; }
  // Whether the close query has run: the viewer may close.
  bool isClosing() const { return window_.closing_; }
  // The selected grid row: 1 for the first set, sets + 1 for the new-set row.
  int selectedRow() const { return window_.grid_->selectedRow(); }
  void selectRow(int row) { window_.grid_->setSelectedRow(row); }

  void setBusy(bool busy) { window_.setBusy(busy); }
  void launch() { window_.launch(); }
  void turnPreviewOn() { window_.turnPreviewOn(); }
  void openFile(const std::string& path) { window_.openFile(path); }
  void openRecentFile(const QString& path) { window_.openRecentFile(path); }
  void dropFiles(const QStringList& paths) { window_.dropFiles(paths); }
  void saveList() { window_.saveList(); }
  void editSet(std::size_t index) { window_.editSet(index); }
  void showAbout() { window_.showAbout(); }

 private:
  MainWindow& window_;
};

}  // namespace kirabel
