#include "ui/library/shell_filter_model.h"

#include "ui/library/shell_library_model.h"
#include "ui/library/shell_match.h"

namespace kirabel {

ShellFilterModel::ShellFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
  sort(0);
}

void ShellFilterModel::setTypedText(const QString& text) {
  typed_ = text;
  invalidate();
}

int ShellFilterModel::matchRank(const QModelIndex& sourceIndex) const {
  const std::optional<ShellMatch> match =
      MatchShellNames(sourceIndex.data(ShellLibraryModel::SearchRole).toStringList(), typed_);
  return match ? static_cast<int>(*match) : -1;
}

bool ShellFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  return matchRank(sourceModel()->index(sourceRow, 0, sourceParent)) >= 0;
}

bool ShellFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const int leftRank = matchRank(left);
  const int rightRank = matchRank(right);
  if (leftRank != rightRank) return leftRank < rightRank;
  return left.row() < right.row();
}

}  // namespace kirabel
