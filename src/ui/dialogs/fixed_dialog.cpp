#include "ui/dialogs/fixed_dialog.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include "ui/services/program_font.h"
#include "ui/services/window_placement.h"

namespace kirabel {

namespace {

// Beside, above and below the controls and between two rows, in the designed
// dialogs' proportions (the horizontal spacing is the style's).
constexpr int kSideMargin = 6;
constexpr int kEndMargin = 4;
constexpr int kRowSpacing = 4;

void SetMargins(QLayout* layout) {
  layout->setContentsMargins(kSideMargin, kEndMargin, kSideMargin, kEndMargin);
}

// Room that grows downwards, and gives a grid's row an equal share of the
// room its grid gets.
QSpacerItem* GrowingRoom() {
  return new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
}

}  // namespace

FixedDialog::FixedDialog(QWidget* parent, const QString& caption, Placement placement)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      placement_(placement),
      rows_(new QVBoxLayout(this)) {
  setWindowTitle(caption);
  setFont(ProgramFont());
  setModal(true);
  SetMargins(rows_);
  rows_->setSpacing(kRowSpacing);
}

void FixedDialog::addSpreadRows(QGridLayout* grid) {
  rows_->addLayout(grid);
  spreadRows_ = grid;
}

QPushButton* FixedDialog::addOkButton() {
  auto* button = new QPushButton(QStringLiteral("OK"), this);
  button->setObjectName(QStringLiteral("okButton"));
  button->setDefault(true);
  connect(button, &QPushButton::clicked, this, &QDialog::accept);
  return button;
}

QPushButton* FixedDialog::addCancelButton() {
  auto* button = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
  button->setObjectName(QStringLiteral("cancelButton"));
  button->setAutoDefault(false);
  // QDialog already rejects on Esc; the button is the visible form of that.
  connect(button, &QPushButton::clicked, this, &QDialog::reject);
  return button;
}

void FixedDialog::addButtonRow(std::initializer_list<QPushButton*> buttons,
                               Qt::Alignment alignment) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* button : buttons) row->addWidget(button);
  if (alignment & Qt::AlignHCenter) row->addStretch();
  if (spreadRows_) {
    // The buttons take no share; a row of room above them does.
    SpreadEvenly(*spreadRows_);
    const int room = spreadRows_->rowCount();
    spreadRows_->addItem(GrowingRoom(), room, 0);
    spreadRows_->addLayout(row, room + 1, 0, 1, -1);
  } else {
    rows_->addStretch();  // the room the rows leave goes above the buttons
    rows_->addLayout(row);
  }
}

void FixedDialog::fixSize(QSize designed) {
  const QSize needed = rows_->totalMinimumSize();
  const int width = qMax(designed.width(), needed.width());
  const int height =
      rows_->hasHeightForWidth() ? rows_->totalHeightForWidth(width) : needed.height();
  setFixedSize(width, qMax(designed.height(), height));
  rows_->activate();  // the controls take their places at once, not only when shown
}

void FixedDialog::showEvent(QShowEvent* event) {
  if (placement_ == Placement::kCentred) {
    centreOnScreen();
  } else {
    KeepWindowReachable(*this);
  }
  QDialog::showEvent(event);
}

void FixedDialog::centreOnScreen() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->geometry().center());
  move(frame.topLeft());
}

// An item with an alignment may grow beyond its control's size.
void SpreadEvenly(QGridLayout& grid) {
  for (int i = 0; i < grid.count(); ++i) {
    QLayoutItem* item = grid.itemAt(i);
    if (item->alignment() & Qt::AlignVertical_Mask) continue;
    item->setAlignment(item->alignment() | Qt::AlignVCenter);
    if (item->widget()) item->widget()->updateGeometry();  // drops the item's cached sizes
  }
  const int rows = grid.rowCount();
  for (int row = 0; row < rows; ++row) grid.addItem(GrowingRoom(), row, 0);
}

QGridLayout* NewRowGrid(QWidget* owner) {
  auto* grid = new QGridLayout(owner);
  if (owner) {
    SetMargins(grid);
  } else {
    grid->setContentsMargins(0, 0, 0, 0);
  }
  grid->setVerticalSpacing(kRowSpacing);
  return grid;
}

QGridLayout* NewPageGrid(QWidget* page) {
  QGridLayout* grid = NewRowGrid(page);
  grid->setContentsMargins(kSideMargin, 0, kSideMargin, 0);
  return grid;
}

void MakeCompactHeight(QWidget& control) {
  control.setFixedHeight(control.fontMetrics().height() + 3);  // 3: a thin frame
}

int WidthShowing(const QLineEdit& field, const QString& widest) {
  QStyleOptionFrame option;
  option.initFrom(&field);
  option.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field);
  const QFontMetrics metrics = field.fontMetrics();
  const QSize text(metrics.horizontalAdvance(widest) + 4,  // 4: the edit's own margins
                   metrics.height());
  return field.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &field).width();
}

}  // namespace kirabel
