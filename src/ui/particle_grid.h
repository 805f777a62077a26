#pragma once
// DrawGrid1, the particle list grid of the main window: a header row, one row
// per set and the new-set row. Rows are numbered as the commands count them:
// row 0 is the header, row r (1 <= r <= sets) shows set r - 1, the last row
// is the new-set row, and RowCount() = sets + 2 when the commands keep it so.
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>
#include <array>

#include "model/particle.h"

class QMenu;

namespace kirabel {

class ParticleGridModel;

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

class TDrawGrid : public QTableView {
  Q_OBJECT
 public:
  TDrawGrid(const ParticleList& list, QWidget* parent = nullptr);

  // The selected row (1 .. RowCount() - 1).
  int Row() const;
  void SetRow(int row);
  int RowCount() const;
  // Sets the row count; when it drops to or below the selected row, the
  // selection moves to the last row.
  void SetRowCount(int rows);
  // Redraws every visible cell from the list.
  void Repaint();

  // Row height ("M" height + 4) and the initial widths (header text + 8).
  void SetInitialMetrics();
  int DefaultRowHeight() const;
  // The widths that fitting to a client width gives (see FitColumns).
  static std::array<int, 6> FittedWidths(const QFontMetrics& metrics, int clientWidth);
  // Column i becomes clientWidth * wi div S - 2, with w0 twelve "M"s + 8 and
  // wi the header text + 8.
  void FitColumns(int clientWidth);

  void SetPopupMenu(QMenu* menu) { popup_ = menu; }
  ParticleGridModel* GridModel() const { return model_; }

 signals:
  // Esc was pressed.
  void EscapePressed();
  // Enter or a double-click: act on the selected row.
  void RowActivated();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  ParticleGridModel* model_;
  QMenu* popup_ = nullptr;
};

}  // namespace kirabel
