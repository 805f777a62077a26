#pragma once
// The file menu's submenu of files last opened or saved: one numbered item
// per file, newest first. It keeps the list itself and says when it changed,
// so that the list can be written to the settings file at once.
#include <QMenu>
#include <string>
#include <vector>

namespace kirabel {

class RecentFilesMenu : public QMenu {
  Q_OBJECT
 public:
  explicit RecentFilesMenu(QWidget* parent = nullptr);

  const std::vector<std::string>& files() const { return files_; }
  // Shows a list as read from the settings file, newest first and without
  // duplicates (without emitting changed).
  void setFiles(std::vector<std::string> files);
  // Puts a file opened or saved in front.
  void addFile(const std::string& path);
  // Takes a file out, e.g. one that was moved or deleted.
  void removeFile(const std::string& path);

 signals:
  void fileChosen(const QString& path);
  void changed();

 private:
  void change(std::vector<std::string> files);
  void rebuild();

  std::vector<std::string> files_;
};

}  // namespace kirabel
