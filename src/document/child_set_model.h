#pragma once
// The choices for a set's child, as the properties dialog offers them: "(なし)"
// (none) first, then the name of every set of the document in list order.
// It stores nothing and follows the document's signals.
#include <QAbstractListModel>

#include "document/document_rows_model.h"

namespace kirabel {

class ChildSetModel : public DocumentRowsModel<QAbstractListModel> {
  Q_OBJECT
 public:
  explicit ChildSetModel(const Document& document, QObject* parent = nullptr);

  // The text of the first choice, which stands for "no child".
  static QString noChildText();  // "(なし)"

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace kirabel
