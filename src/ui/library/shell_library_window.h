#pragma once
// The shell library window ("花火玉ライブラリ"): a grid of thumbnails with
// names over ShellLibraryModel, and a filter field that matches either name.
// Enter or a double click asks to insert the chosen shell; an entry can also
// be dragged (see kShellMimeType). It works with keys alone: the grid has the
// focus when the window opens, Enter in the filter field takes the first
// match, Down moves from the field into the grid, Esc closes the window.
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListView;
class QModelIndex;
class QSortFilterProxyModel;

namespace kirabel {

class ShellLibraryModel;

class ShellLibraryWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ShellLibraryWindow(QWidget* parent = nullptr);

  ShellLibraryModel& model() { return *model_; }
  // Reads the folders again and shows the window in front, the grid focused
  // with an entry chosen.
  void open(const QStringList& folders);
  // Reads the folders again, leaving the window where it is.
  void reload(const QStringList& folders);

 signals:
  // A good shell was chosen for insertion.
  void insertRequested(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void setUpGrid();
  void insertShell(const QModelIndex& index);
  void chooseFirstMatch();

  ShellLibraryModel* model_;
  QSortFilterProxyModel* filtered_;
  QLineEdit* filter_;
  QListView* grid_;
};

}  // namespace kirabel
