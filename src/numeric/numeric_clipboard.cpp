// Clipboard commands, undo and text set from outside: each replaces the whole
// number, never single characters of it.
#include "numeric/numeric_entry.h"

namespace kirabel {

// Sets x and remembers the value before it for Undo.
void NumericEntry::SetValueUndoably(long double x) {
  const long double before = value_;
  SetValue(x);
  undoValue_ = before;
}

void NumericEntry::Paste(const std::optional<std::string>& clipboardText) {
  if (host_.IsReadOnly()) return;
  SetValueUndoably(clipboardText ? ParseText(*clipboardText) : 0);
}

bool NumericEntry::CanCutOrClear() const {
  return !host_.IsReadOnly() && host_.Selection() != SelectionKind::kNone;
}

// Cut and clear act on a selection; without one they are refused rather
// than zeroing a number that nothing was copied from.
// A read-only field drops them silently, as it drops the keys.
void NumericEntry::Cut() {
  if (host_.IsReadOnly()) return;
  if (!CanCutOrClear()) {
    host_.Beep();
    return;
  }
  host_.CopySelection();
  SetValueUndoably(0);
}

void NumericEntry::Clear() {
  if (host_.IsReadOnly()) return;
  if (!CanCutOrClear()) {
    host_.Beep();
    return;
  }
  SetValueUndoably(0);
}

// One level of undo that undoes itself, as the edit control's: the value
// before the last cut, clear or paste comes back exactly (not re-read from
// its rounded text); any other change of the number forgets it.
void NumericEntry::Undo() {
  if (host_.IsReadOnly() || !undoValue_) return;
  SetValueUndoably(*undoValue_);
}

void NumericEntry::TextSet(const std::string& text) {
  if (!textReady_) return;  // our own rendering, or text set before the first one
  SetValue(ParseText(text));
  host_.CaretToEnd();
}

}  // namespace kirabel
