#pragma once
// The shell library window ("花火玉ライブラリ"): a grid of thumbnails with
// names over ShellLibraryModel, and a filter field that matches any of a
// shell's names, the best matches first (ShellFilterModel). Enter or a double
// click asks to insert the chosen shell; an entry can also be dragged (see
// kShellMimeType). It works with keys alone: the grid has the focus when the
// window opens, typing there goes into the filter field (whose text from
// before is selected, so that typing replaces it), Enter in the field takes
// the first match, Down moves from the field into the grid and Up from the
// grid's first row back, Esc closes the window.
#include <QStringList>
#include <QWidget>

class QKeyEvent;
class QLineEdit;
class QListView;
class QModelIndex;

namespace kirabel {

class ShellFilterModel;
class ShellLibraryModel;

class ShellLibraryWindow : public QWidget {
  Q_OBJECT
 public:
  // The rows of tiles the window shows at least when it opens.
  static constexpr int kOpeningRows = 3;

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
  void changeEvent(QEvent* event) override;

 private:
  void setUpGrid();
  void fitTilesToFont();
  int heightForRows(int rows) const;
  bool filterKeyPressed(const QKeyEvent& key);
  bool gridKeyPressed(QKeyEvent& key);
  bool isInFirstRow(const QModelIndex& index) const;
  void insertShell(const QModelIndex& index);
  void chooseFirstMatch();

  ShellLibraryModel* model_;
  ShellFilterModel* filtered_;
  QLineEdit* filter_;
  QListView* grid_;
};

}  // namespace kirabel
