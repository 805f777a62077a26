#include "ui/child_set_model.h"

#include "ui/document.h"

namespace kirabel {

ChildSetModel::ChildSetModel(const Document& document, QObject* parent)
    : QAbstractListModel(parent), document_(document) {
  // Set i is choice i + 1.
  connect(&document, &Document::setsAboutToBeInserted, this,
          [this](int first, int last) { beginInsertRows(QModelIndex(), first + 1, last + 1); });
  connect(&document, &Document::setsInserted, this, [this] { endInsertRows(); });
  connect(&document, &Document::setsAboutToBeRemoved, this,
          [this](int first, int last) { beginRemoveRows(QModelIndex(), first + 1, last + 1); });
  connect(&document, &Document::setsRemoved, this, [this] { endRemoveRows(); });
  connect(&document, &Document::setsAboutToBeMoved, this, [this](int from, int to) {
    beginMoveRows(QModelIndex(), from + 1, from + 1, QModelIndex(), to > from ? to + 2 : to + 1);
  });
  connect(&document, &Document::setsMoved, this, [this] { endMoveRows(); });
  connect(&document, &Document::setsAboutToBeReset, this, [this] { beginResetModel(); });
  connect(&document, &Document::setsReset, this, [this] { endResetModel(); });
  connect(&document, &Document::setsChanged, this,
          [this] { emit dataChanged(index(0), index(rowCount() - 1)); });
}

QString ChildSetModel::noChildText() {
  return QStringLiteral("(なし)");
}

int ChildSetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(document_.sets().size()) + 1;
}

QVariant ChildSetModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::EditRole) return QVariant();
  const int row = index.row();
  if (row == 0) return noChildText();
  const ParticleList& sets = document_.sets();
  if (row < 0 || static_cast<std::size_t>(row) > sets.size()) return QVariant();
  return QString::fromStdString(sets[static_cast<std::size_t>(row - 1)].name);
}

}  // namespace kirabel
