#include "ui/library/shell_library_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

#include "ui/library/shell_filter_model.h"
#include "ui/library/shell_library_model.h"
#include "ui/library/shell_tile_delegate.h"
#include "ui/services/message_box.h"
#include "ui/services/window_placement.h"

namespace kirabel {

namespace {

// The designed size of the window's client area; it grows on opening to show
// kOpeningRows rows of tiles.
const QSize kDesignedSize(560, 420);
// The room between two tiles.
constexpr int kTileSpacing = 4;

bool IsEnter(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// A key that types a character into a text field (not a space, which chooses
// an entry in the grid, and no shortcut).
bool TypesText(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = key.text();
  return !text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace();
}

}  // namespace

ShellLibraryWindow::ShellLibraryWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      model_(new ShellLibraryModel(this)),
      filtered_(new ShellFilterModel(this)),
      filter_(new QLineEdit(this)),
      grid_(new QListView(this)) {
  setObjectName(QStringLiteral("shellLibraryWindow"));
  setWindowTitle(tr("花火玉ライブラリ"));
  filtered_->setSourceModel(model_);
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
    filtered_->setTypedText(text);
    grid_->setCurrentIndex(filtered_->index(0, 0));
  });
  connect(grid_, &QListView::doubleClicked, this, &ShellLibraryWindow::insertShell);
}

// Tiles in rows that fill the width; an entry is dragged as a copy and never
// moved.
void ShellLibraryWindow::setUpGrid() {
  grid_->setObjectName(QStringLiteral("shellGrid"));
  grid_->setModel(filtered_);
  grid_->setItemDelegate(new ShellTileDelegate(grid_));
  grid_->setViewMode(QListView::IconMode);
  grid_->setResizeMode(QListView::Adjust);
  grid_->setMovement(QListView::Static);
  grid_->setUniformItemSizes(true);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setDragEnabled(true);
  grid_->setDragDropMode(QAbstractItemView::DragOnly);
  grid_->setDefaultDropAction(Qt::CopyAction);
  fitTilesToFont();
}

// The tiles hold two lines of names in the window's font.
void ShellLibraryWindow::fitTilesToFont() {
  grid_->setGridSize(ShellTileDelegate::tileSize(grid_->fontMetrics()) +
                     QSize(kTileSpacing, kTileSpacing));
}

void ShellLibraryWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) fitTilesToFont();
  QWidget::changeEvent(event);
}

// The window's height with the grid showing `rows` whole rows of tiles.
int ShellLibraryWindow::heightForRows(int rows) const {
  const QMargins margins = layout()->contentsMargins();
  return margins.top() + filter_->sizeHint().height() + layout()->spacing() +
         2 * grid_->frameWidth() + rows * grid_->gridSize().height() + kTileSpacing +
         margins.bottom();
}

void ShellLibraryWindow::open(const QStringList& folders) {
  reload(folders);
  if (!isVisible()) {
    if (height() < heightForRows(kOpeningRows)) resize(width(), heightForRows(kOpeningRows));
    KeepWindowReachable(*this);
  }
  show();
  raise();
  activateWindow();
  grid_->setFocus(Qt::ShortcutFocusReason);
  // Once the field has caught up with being shown again (it lets go of its
  // selection then), so that typing replaces the text of the last search.
  QMetaObject::invokeMethod(filter_, &QLineEdit::selectAll, Qt::QueuedConnection);
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
  if (event->type() == QEvent::KeyPress) {
    auto& key = static_cast<QKeyEvent&>(*event);
    if (key.key() == Qt::Key_Escape) {
      close();
      return true;
    }
    if (watched == filter_ && filterKeyPressed(key)) return true;
    if (watched == grid_ && gridKeyPressed(key)) return true;
  }
  return QWidget::eventFilter(watched, event);
}

bool ShellLibraryWindow::filterKeyPressed(const QKeyEvent& key) {
  if (IsEnter(key)) {
    insertShell(filtered_->index(0, 0));
    return true;
  }
  if (key.key() == Qt::Key_Down) {
    grid_->setFocus(Qt::TabFocusReason);
    return true;
  }
  return false;
}

bool ShellLibraryWindow::gridKeyPressed(QKeyEvent& key) {
  if (IsEnter(key)) {
    insertShell(grid_->currentIndex());
    return true;
  }
  if (key.key() == Qt::Key_Up && isInFirstRow(grid_->currentIndex())) {
    filter_->setFocus(Qt::TabFocusReason);
    return true;
  }
  if (TypesText(key)) {
    filter_->setFocus(Qt::OtherFocusReason);
    QCoreApplication::sendEvent(filter_, &key);
    return true;
  }
  return false;
}

bool ShellLibraryWindow::isInFirstRow(const QModelIndex& index) const {
  return !index.isValid() ||
         grid_->visualRect(index).top() <= grid_->visualRect(filtered_->index(0, 0)).top();
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
