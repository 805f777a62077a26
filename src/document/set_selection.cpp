#include "document/set_selection.h"

#include <algorithm>

#include "document/document.h"

namespace kirabel {

SetSelection::SetSelection(Document& document, QObject* parent)
    : QObject(parent), document_(document) {
  connect(&document, &Document::setsAboutToBeInserted, this, &SetSelection::rowsAboutToChange);
  connect(&document, &Document::setsAboutToBeRemoved, this, &SetSelection::rowsAboutToChange);
  connect(&document, &Document::setsAboutToBeMoved, this, &SetSelection::rowsAboutToChange);
  connect(&document, &Document::setsAboutToBeReset, this, [this] {
    rowsAboutToChange();
    listReplaced_ = true;
  });
  // After every view has followed the rows (setsChanged comes last).
  connect(&document, &Document::setsChanged, this, &SetSelection::rowsChanged);
  document.setSelectionAccess([this] { return static_cast<int>(index_); },
                              [this](int index) { select(static_cast<std::size_t>(index)); });
}

SetSelection::~SetSelection() {
  document_.setSelectionAccess({}, {});
}

std::optional<std::size_t> SetSelection::set() const {
  if (index_ >= document_.sets().size()) return std::nullopt;
  return index_;
}

std::size_t SetSelection::lastIndex() const {
  return document_.sets().size();
}

void SetSelection::select(std::size_t index) {
  if (rowsChanging_) return;
  index = std::min(index, lastIndex());
  if (index == index_) return;
  index_ = index;
  emit changed();
}

void SetSelection::rowsAboutToChange() {
  rowsChanging_ = true;
}

// The place keeps its number, not the set it showed.
void SetSelection::rowsChanged() {
  if (!rowsChanging_) return;
  rowsChanging_ = false;
  index_ = listReplaced_ ? 0 : std::min(index_, lastIndex());
  listReplaced_ = false;
  emit changed();
}

}  // namespace kirabel
