#include "ui/library/shell_library_window.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QVBoxLayout>

#include "ui/library/shell_library_model.h"
#include "ui/services/message_box.h"
#include "ui/services/window_placement.h"

namespace kirabel {

namespace {

// The designed size of the window's client area.
const QSize kDesignedSize(560, 420);

bool IsKey(const QEvent* event, Qt::Key key) {
  return event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == key;
}

bool IsEnter(const QEvent* event) {
  return IsKey(event, Qt::Key_Return) || IsKey(event, Qt::Key_Enter);
}

}  // namespace

ShellLibraryWindow::ShellLibraryWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      model_(new ShellLibraryModel(this)),
      filtered_(new QSortFilterProxyModel(this)),
      filter_(new QLineEdit(this)),
      grid_(new QListView(this)) {
  setObjectName(QStringLiteral("shellLibraryWindow"));
  setWindowTitle(tr("花火玉ライブラリ"));
  filtered_->setSourceModel(model_);
  filtered_->setFilterRole(ShellLibraryModel::SearchRole);
  filtered_->setFilterCaseSensitivity(Qt::CaseInsensitive);
  filter_->setObjectName(QStringLiteral("shellFilter"));
  filter_->setPlaceholderText(tr("名前で絞り込む"));
  filter_->setClearButtonEnabled(true);
  setUpGrid();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(filter_);
  layout->addWidget(grid_);
  resize(kDesignedSize);
  filter_->installEventFilter(this);
  grid_->installEventFilter(this);
  connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
    filtered_->setFilterFixedString(text);
    grid_->setCurrentIndex(filtered_->index(0, 0));
  });
  connect(grid_, &QListView::doubleClicked, this, &ShellLibraryWindow::insertShell);
}

// Pictures with their names below, in rows that fill the width; an entry is
// dragged as a copy and never moved.
void ShellLibraryWindow::setUpGrid() {
  grid_->setObjectName(QStringLiteral("shellGrid"));
  grid_->setModel(filtered_);
  grid_->setViewMode(QListView::IconMode);
  grid_->setResizeMode(QListView::Adjust);
  grid_->setMovement(QListView::Static);
  grid_->setIconSize(QSize(ShellLibraryModel::kIconSize, ShellLibraryModel::kIconSize));
  grid_->setGridSize(QSize(ShellLibraryModel::kIconSize + 28, ShellLibraryModel::kIconSize + 40));
  grid_->setWordWrap(true);
  grid_->setUniformItemSizes(true);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setDragEnabled(true);
  grid_->setDragDropMode(QAbstractItemView::DragOnly);
  grid_->setDefaultDropAction(Qt::CopyAction);
}

void ShellLibraryWindow::open(const QStringList& folders) {
  reload(folders);
  if (!isVisible()) KeepWindowReachable(*this);
  show();
  raise();
  activateWindow();
  grid_->setFocus(Qt::ShortcutFocusReason);
}

void ShellLibraryWindow::reload(const QStringList& folders) {
  model_->load(folders);
  chooseFirstMatch();
}

void ShellLibraryWindow::chooseFirstMatch() {
  if (filtered_->rowCount() == 0 || grid_->currentIndex().isValid()) return;
  grid_->setCurrentIndex(filtered_->index(0, 0));
}

bool ShellLibraryWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == filter_ && IsEnter(event)) {
    insertShell(filtered_->index(0, 0));
    return true;
  }
  if (IsKey(event, Qt::Key_Escape)) {
    close();
    return true;
  }
  if (watched == filter_ && IsKey(event, Qt::Key_Down)) {
    grid_->setFocus(Qt::TabFocusReason);
    return true;
  }
  if (watched == grid_ && IsEnter(event)) {
    insertShell(grid_->currentIndex());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

// A bad entry (or none) inserts nothing; the beep says so.
void ShellLibraryWindow::insertShell(const QModelIndex& index) {
  if (!index.isValid() || !index.data(ShellLibraryModel::InsertableRole).toBool()) {
    MessageBox::beep();
    return;
  }
  emit insertRequested(index.data(ShellLibraryModel::PathRole).toString());
}

}  // namespace kirabel
