#pragma once
// The open and save file dialogs. FileChooser is one dialog of the main window
// with the settings that carry over from one use to the next (starting folder,
// file name, filter, default extension). Every dialog runs through
// FileDialogService, the seam tests use: setNextFileName queues the answer of
// the next dialog instead of racing a modal loop, and every request is kept
// so that tests can check captions, filters and starting folders.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QWidget;

namespace kirabel {

// What one dialog was asked to show.
struct FileDialogRequest {
  bool save = false;             // a save dialog or an open dialog
  bool confirmOverwrite = true;  // a save dialog asks before a chosen file is replaced
  QString title;                 // window caption
  QString startFolder;           // starting folder; empty = the current folder
  QString fileName;              // name proposed in the dialog
  QStringList nameFilters;       // in Qt's "description (patterns)" form
  int filterIndex = 1;           // 1-based index of the filter shown first
  QString defaultExt;            // extension (without the dot) added to a name without one
};

class FileDialogService {
 public:
  // Shows the dialog modally; the chosen full file name, or nothing on cancel.
  static std::optional<QString> run(QWidget* parent, const FileDialogRequest& request);

  // The next run returns `answer` (nothing = cancelled) without showing a
  // dialog. Answers queue up in call order.
  static void setNextFileName(std::optional<QString> answer);
  static void clearAnswers();
  // Every request made since start (or since clearRequests).
  static const std::vector<FileDialogRequest>& requests();
  static void clearRequests();
};

// Turns a filter of the "description|pattern|description|pattern" form into
// Qt name filters whose patterns match regardless of letter case ("*.PCL"
// also finds "x.pcl"); "*.*" matches every file, as it does on Windows.
QStringList ToQtNameFilters(const QString& filter);

// `name` with "." + defaultExt appended when its last path part has no
// extension (and defaultExt is not empty).
QString WithDefaultExtension(const QString& name, const QString& defaultExt);

class FileChooser {
 public:
  enum class Kind { Open, Save };
  FileChooser(Kind kind, const QString& filter);

  QString title;
  QString startFolder;       // starting folder
  QString fileName;          // the name chosen at the last use, proposed at the next
  QString defaultExtension;  // without the dot
  int filterIndex = 1;
  // A save dialog asks before an existing file is chosen; off for a dialog
  // that only picks a name and writes nothing to it.
  bool confirmOverwrite = true;

  // The "description|pattern|…" filter the dialog offers.
  const QString& filter() const { return filter_; }
  // Shows the dialog; on a choice fileName becomes the chosen full name.
  bool execute(QWidget* parent);
  // The folder of fileName (empty when fileName is).
  QString fileFolder() const;

 private:
  Kind kind_;
  QString filter_;
};

}  // namespace kirabel
