#pragma once
// The shells the library shows for the text typed into its filter: those whose
// names (ShellLibraryModel::SearchRole) hold the text, the best matches first
// (see MatchShellNames), each kind in the library's own order.
#include <QSortFilterProxyModel>
#include <QString>

namespace kirabel {

class ShellFilterModel : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  explicit ShellFilterModel(QObject* parent = nullptr);

  void setTypedText(const QString& text);

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  // The rank of the match of the source row, lower is better; -1 for none.
  int matchRank(const QModelIndex& sourceIndex) const;

  QString typed_;
};

}  // namespace kirabel
