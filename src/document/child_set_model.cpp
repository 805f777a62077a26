#include "document/child_set_model.h"

#include "document/document.h"

namespace kirabel {

// Set i is choice i + 1.
ChildSetModel::ChildSetModel(const Document& document, QObject* parent)
    : DocumentRowsModel(document, 1, parent) {}

QString ChildSetModel::noChildText() {
  return tr("(なし)");
}

int ChildSetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(document().sets().size()) + 1;
}

QVariant ChildSetModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::EditRole) return QVariant();
  const int row = index.row();
  if (row == 0) return noChildText();
  const ParticleList& sets = document().sets();
  if (row < 0 || static_cast<std::size_t>(row) > sets.size()) return QVariant();
  return QString::fromStdString(sets[static_cast<std::size_t>(row - 1)].name);
}

}  // namespace kirabel
