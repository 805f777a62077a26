#pragma once
// The base of the item models that show one row per set of a document (the
// grid's rows, the child choices). It stores nothing: the document's signals
// tell it when rows come and go, and set i is row i + offset (rows before the
// sets, such as "(なし)", take the offset).
#include <QAbstractItemModel>

#include "document/document.h"

namespace kirabel {

template <typename Base>
class DocumentRowsModel : public Base {
 protected:
  DocumentRowsModel(const Document& document, int offset, QObject* parent)
      : Base(parent), document_(document) {
    const auto row = [offset](int set) { return set + offset; };
    QObject::connect(&document, &Document::setsAboutToBeInserted, this, [=](int first, int last) {
      this->beginInsertRows({}, row(first), row(last));
    });
    QObject::connect(&document, &Document::setsInserted, this, [this] { this->endInsertRows(); });
    QObject::connect(&document, &Document::setsAboutToBeRemoved, this, [=](int first, int last) {
      this->beginRemoveRows({}, row(first), row(last));
    });
    QObject::connect(&document, &Document::setsRemoved, this, [this] { this->endRemoveRows(); });
    QObject::connect(&document, &Document::setsAboutToBeMoved, this, [=](int from, int to) {
      this->beginMoveRows({}, row(from), row(from), {}, row(to > from ? to + 1 : to));
    });
    QObject::connect(&document, &Document::setsMoved, this, [this] { this->endMoveRows(); });
    QObject::connect(&document, &Document::setsAboutToBeReset, this,
                     [this] { this->beginResetModel(); });
    QObject::connect(&document, &Document::setsReset, this, [this] { this->endResetModel(); });
    QObject::connect(&document, &Document::setsChanged, this, [this] {
      const QAbstractItemModel& model = *this;
      const int rows = model.rowCount();
      if (rows > 0)
        emit this->dataChanged(model.index(0, 0), model.index(rows - 1, model.columnCount() - 1));
    });
  }

  const Document& document() const { return document_; }

 private:
  const Document& document_;
};

}  // namespace kirabel
