#include "ui/widgets/particle_grid.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include "document/document.h"
#include "document/particle_grid_model.h"

namespace kirabel {

namespace {

constexpr int kTextOffset = 2;
constexpr int kLineWidth = 1;

}  // namespace

void ParticleGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  QStyleOptionViewItem opt(option);
  initStyleOption(&opt, index);
  const QString text = opt.text;
  opt.text.clear();
  const QWidget* widget = opt.widget;
  QStyle* style = widget ? widget->style() : nullptr;
  if (style) style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);

  const QVariant colour = index.data(ParticleGridModel::kColourRole);
  painter->save();
  if (colour.isValid()) {
    painter->fillRect(option.rect, colour.value<QColor>());
  } else if (!text.isEmpty()) {
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setClipRect(option.rect);
    painter->drawText(option.rect.adjusted(kTextOffset, kTextOffset, 0, 0),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  }
  painter->restore();
}

ParticleGridHeader::ParticleGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void ParticleGridHeader::paintSection(QPainter* painter, const QRect& rect,
                                      int logicalIndex) const {
  QStyleOptionHeader option;
  initStyleOption(&option);
  option.rect = rect;
  option.section = logicalIndex;
  option.text.clear();
  style()->drawControl(QStyle::CE_Header, &option, painter, this);
  const QString title =
      model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
  painter->save();
  painter->setClipRect(rect);
  painter->setPen(palette().color(QPalette::ButtonText));
  painter->drawText(rect.adjusted(kTextOffset, kTextOffset, 0, 0),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title);
  painter->restore();
}

ParticleGrid::ParticleGrid(const Document& document, QWidget* parent) : QTableView(parent) {
  rememberSelectedRow(document);
  model_ = new ParticleGridModel(document, this);
  restoreSelectedRow(document);
  setObjectName(QStringLiteral("grid"));
  setHorizontalHeader(new ParticleGridHeader(this));
  setModel(model_);
  setItemDelegate(new ParticleGridDelegate(this));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setShowGrid(true);
  setCornerButtonEnabled(false);
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setStretchLastSection(false);
  horizontalHeader()->setSectionsMovable(false);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setMinimumSectionSize(0);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setSelectedRow(1);
}

// The selection stays on its row number, not on the set it showed. The row is
// taken before the model hears of a change (Qt moves the current row away
// from rows about to be removed) and put back after the model has followed.
void ParticleGrid::rememberSelectedRow(const Document& document) {
  const auto remember = [this] { rowBeforeChange_ = selectedRow(); };
  connect(&document, &Document::setsAboutToBeInserted, this, remember);
  connect(&document, &Document::setsAboutToBeRemoved, this, remember);
  connect(&document, &Document::setsAboutToBeMoved, this, remember);
}

void ParticleGrid::restoreSelectedRow(const Document& document) {
  const auto restore = [this] { setSelectedRow(qMin(rowBeforeChange_, rowCount() - 1)); };
  connect(&document, &Document::setsInserted, this, restore);
  connect(&document, &Document::setsRemoved, this, restore);
  connect(&document, &Document::setsMoved, this, restore);
  connect(&document, &Document::setsReset, this, [this] { setSelectedRow(1); });
}

int ParticleGrid::selectedRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() + 1 : 1;
}

void ParticleGrid::setSelectedRow(int row) {
  const int body = qBound(0, row - 1, model_->rowCount() - 1);
  const int column = currentIndex().isValid() ? currentIndex().column() : 0;
  setCurrentIndex(model_->index(body, column));
}

int ParticleGrid::rowCount() const {
  return model_->rowCount() + 1;
}

int ParticleGrid::defaultRowHeight() const {
  return fontMetrics().height() + 4;
}

void ParticleGrid::setInitialMetrics() {
  const int height = defaultRowHeight();
  verticalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setDefaultSectionSize(height);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setFixedHeight(height);
  const QFontMetrics metrics = fontMetrics();
  for (int i = 0; i < kGridColumns; ++i)
    setColumnWidth(i, metrics.horizontalAdvance(GridHeaders().at(i)) + 8);
}

std::array<int, 6> ParticleGrid::fittedWidths(const QFontMetrics& metrics, int clientWidth) {
  std::array<int, 6> nominal{};
  nominal[0] = 12 * metrics.horizontalAdvance(QStringLiteral("M")) + 8;
  for (int i = 1; i < kGridColumns; ++i)
    nominal[i] = metrics.horizontalAdvance(GridHeaders().at(i)) + 8;
  int sum = 0;
  for (int w : nominal) sum += w;
  std::array<int, 6> widths{};
  for (int i = 0; i < kGridColumns; ++i)
    widths[i] = clientWidth * nominal[i] / sum - kLineWidth - 1;
  return widths;
}

void ParticleGrid::fitColumns(int clientWidth) {
  const std::array<int, 6> widths = fittedWidths(fontMetrics(), clientWidth);
  for (int i = 0; i < kGridColumns; ++i) setColumnWidth(i, qMax(0, widths[i]));
}

void ParticleGrid::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      emit escapePressed();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit rowActivated();
      return;
    default:
      QTableView::keyPressEvent(event);
  }
}

void ParticleGrid::mousePressEvent(QMouseEvent* event) {
  // Only the left button selects; the right one opens the popup menu.
  if (event->button() == Qt::RightButton) {
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
}

void ParticleGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit rowActivated();
    event->accept();
    return;
  }
  QTableView::mouseDoubleClickEvent(event);
}

void ParticleGrid::contextMenuEvent(QContextMenuEvent* event) {
  if (popup_) popup_->exec(event->globalPos());
  event->accept();
}

}  // namespace kirabel
