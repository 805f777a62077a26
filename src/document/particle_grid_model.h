#pragma once
// The table behind grid. It stores no cell data: every text is formed
// from the particle list when the grid asks for it, so a command that changes
// the list only has to fix the row count and repaint. The model's rows are
// the grid's body rows (sets, then the new-set row); the header row is the
// view's header.
#include <QAbstractTableModel>
#include <QStringList>

#include "document/document_rows_model.h"
#include "model/particle.h"

namespace kirabel {

constexpr int kGridColumns = 6;
constexpr int kGridColourColumn = 2;

// "名前", "表示", "色合い", "初期位置", "発生時刻", "子火花".
QStringList GridHeaders();

// The text of column `column` for set `set` of the list; empty for the colour
// column. A child index that names no set shows nothing.
QString GridCellText(const ParticleList& list, int set, int column);

class ParticleGridModel : public DocumentRowsModel<QAbstractTableModel> {
  Q_OBJECT
 public:
  // The colour of the colour cell, as a QColor, under this role.
  static constexpr int kColourRole = Qt::UserRole + 1;

  explicit ParticleGridModel(const Document& document, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
};

}  // namespace kirabel
