#pragma once
// The selected place in the particle list, shared by every view of the
// document: a set, or the new-set place after the last set (where a pasted
// set is appended and where the properties command adds a new one). The
// selection keeps its place number across a change of the list's rows (the
// last place when the list got shorter; the first place after a new list),
// and the document's history puts it back with every undo and redo.
#include <QObject>
#include <cstddef>
#include <optional>

namespace kirabel {

class Document;

class SetSelection : public QObject {
  Q_OBJECT
 public:
  // Follows `document`'s changes and gives its history the place to restore.
  explicit SetSelection(Document& document, QObject* parent = nullptr);
  ~SetSelection() override;

  // The selected place: a set's index, or the number of sets for the
  // new-set place.
  std::size_t index() const { return index_; }
  // The selected set; none on the new-set place.
  std::optional<std::size_t> set() const;
  // Selects place `index`; one past the last set or beyond selects the
  // new-set place. Ignored while the list's rows are changing, when views
  // move their own current row about.
  void select(std::size_t index);

 signals:
  // The selected place moved, or the rows around it changed so that it may
  // show another set.
  void changed();

 private:
  void rowsAboutToChange();
  void rowsChanged();
  std::size_t lastIndex() const;

  Document& document_;
  std::size_t index_ = 0;
  bool rowsChanging_ = false;
  bool listReplaced_ = false;
};

}  // namespace kirabel
