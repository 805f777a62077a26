#include "ui/widgets/particle_grid.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include "document/document.h"
#include "document/particle_grid_model.h"
#include "document/set_selection.h"

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

ParticleGrid::ParticleGrid(const Document& document, SetSelection& selection, QWidget* parent)
    : QTableView(parent), selection_(selection), model_(new ParticleGridModel(document, this)) {
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
  followSelection(document);
  showSelection();
}

// The model's rows are the selection's places. While the rows change, Qt
// moves the current row on its own; the selection ignores that and the grid
// shows the selection again once the change is over.
void ParticleGrid::followSelection(const Document& document) {
  // The selection may go before the grid (a window's member before its child).
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, &selection_,
          [this](const QModelIndex& current) {
            if (current.isValid()) selection_.select(static_cast<std::size_t>(current.row()));
          });
  connect(&selection_, &SetSelection::changed, this, &ParticleGrid::showSelection);
  connect(&document, &Document::setsChanged, this, &ParticleGrid::showSelection);
}

void ParticleGrid::showSelection() {
  const int column = currentIndex().isValid() ? currentIndex().column() : 0;
  const int row = qMin(static_cast<int>(selection_.index()), model_->rowCount() - 1);
  if (currentIndex().row() == row && selectionModel()->isRowSelected(row, QModelIndex())) return;
  setCurrentIndex(model_->index(row, column));
}

int ParticleGrid::selectedRow() const {
  return static_cast<int>(selection_.index()) + 1;
}

void ParticleGrid::setSelectedRow(int row) {
  selection_.select(static_cast<std::size_t>(qMax(row - 1, 0)));
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
