#pragma once
// grid, the particle list grid of the main window: a header row, one row
// per set and the new-set row. Rows are numbered with the header: row 0 is
// the header, row r (1 <= r <= sets) shows set r - 1, the last row is the
// new-set row, and rowCount() = sets + 2. The grid shows the document's
// selection as its current row and selects what the user chooses.
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>
#include <array>

class QMenu;

namespace kirabel {

class Document;
class ParticleGridModel;
class SetSelection;

// Paints every cell from the list: text at (left + 2, top + 2), the colour
// cell filled with the set's colour over any highlight.
class ParticleGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

// The header row: the fixed-cell background of the style, the title at
// (left + 2, top + 2).
class ParticleGridHeader : public QHeaderView {
  Q_OBJECT
 public:
  explicit ParticleGridHeader(QWidget* parent = nullptr);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

class ParticleGrid : public QTableView {
  Q_OBJECT
 public:
  ParticleGrid(const Document& document, SetSelection& selection, QWidget* parent = nullptr);

  // The selected row (1 .. rowCount() - 1), the selection counted with the header.
  int selectedRow() const;
  void setSelectedRow(int row);
  // The rows with the header: sets + 2.
  int rowCount() const;

  // selectedRow height ("M" height + 4) and the initial widths (header text + 8).
  void setInitialMetrics();
  int defaultRowHeight() const;
  // The widths that fitting to a client width gives (see fitColumns).
  static std::array<int, 6> fittedWidths(const QFontMetrics& metrics, int clientWidth);
  // Column i becomes clientWidth * wi div S - 2, with w0 twelve "M"s + 8 and
  // wi the header text + 8.
  void fitColumns(int clientWidth);

  void setPopupMenu(QMenu* menu) { popup_ = menu; }
  ParticleGridModel* gridModel() const { return model_; }

 signals:
  // Esc was pressed.
  void escapePressed();
  // Enter or a double-click: act on the selected row.
  void rowActivated();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void followSelection(const Document& document);
  void showSelection();

  SetSelection& selection_;
  ParticleGridModel* model_;
  QMenu* popup_ = nullptr;
};

}  // namespace kirabel
