#include "ui/particle_grid.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include "ui/particle_grid_model.h"

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

TDrawGrid::TDrawGrid(const ParticleList& list, QWidget* parent)
    : QTableView(parent), model_(new ParticleGridModel(list, this)) {
  setObjectName(QStringLiteral("DrawGrid1"));
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
  SetRow(1);
}

int TDrawGrid::Row() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() + 1 : 1;
}

void TDrawGrid::SetRow(int row) {
  if (model_->BodyRows() == 0) return;
  const int body = qBound(0, row - 1, model_->BodyRows() - 1);
  const int column = currentIndex().isValid() ? currentIndex().column() : 0;
  setCurrentIndex(model_->index(body, column));
}

int TDrawGrid::RowCount() const {
  return model_->BodyRows() + 1;
}

void TDrawGrid::SetRowCount(int rows) {
  const int row = Row();
  model_->SetBodyRows(qMax(1, rows) - 1);
  SetRow(qMin(row, RowCount() - 1));
  Repaint();
}

void TDrawGrid::Repaint() {
  model_->Refresh();
  viewport()->update();
}

int TDrawGrid::DefaultRowHeight() const {
  return fontMetrics().height() + 4;
}

void TDrawGrid::SetInitialMetrics() {
  const int height = DefaultRowHeight();
  verticalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setDefaultSectionSize(height);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setFixedHeight(height);
  const QFontMetrics metrics = fontMetrics();
  for (int i = 0; i < kGridColumns; ++i)
    setColumnWidth(i, metrics.horizontalAdvance(GridHeaders().at(i)) + 8);
}

std::array<int, 6> TDrawGrid::FittedWidths(const QFontMetrics& metrics, int clientWidth) {
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

void TDrawGrid::FitColumns(int clientWidth) {
  const std::array<int, 6> widths = FittedWidths(fontMetrics(), clientWidth);
  for (int i = 0; i < kGridColumns; ++i) setColumnWidth(i, qMax(0, widths[i]));
}

void TDrawGrid::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      emit EscapePressed();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit RowActivated();
      return;
    default:
      QTableView::keyPressEvent(event);
  }
}

void TDrawGrid::mousePressEvent(QMouseEvent* event) {
  // Only the left button selects; the right one opens the popup menu.
  if (event->button() == Qt::RightButton) {
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
}

void TDrawGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit RowActivated();
    event->accept();
    return;
  }
  QTableView::mouseDoubleClickEvent(event);
}

void TDrawGrid::contextMenuEvent(QContextMenuEvent* event) {
  if (popup_) popup_->exec(event->globalPos());
  event->accept();
}

}  // namespace kirabel
