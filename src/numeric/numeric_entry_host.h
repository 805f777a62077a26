#pragma once
// What the numeric entry needs from the widget that shows it: two questions
// about the edit control and the effects it must carry out. The entry decides
// everything else, so the widget stays a thin adapter and the rules can be
// tested without a window system.
#include <cstdint>
#include <string>

namespace kirabel {

enum class SelectionKind { kNone, kPart, kAll };

class NumericEntryHost {
 public:
  virtual ~NumericEntryHost() = default;

  virtual SelectionKind Selection() const = 0;
  virtual bool IsReadOnly() const = 0;

  // Replaces the shown text (UTF-8) and puts the caret at its end.
  virtual void SetText(const std::string& text) = 0;
  virtual void SetTextColor(uint32_t argb) = 0;
  virtual void SelectAll() = 0;
  virtual void CaretToEnd() = 0;
  // Puts the selected text on the clipboard (the first half of a cut).
  virtual void CopySelection() = 0;
  virtual void Beep() = 0;
  // Moves the focus to the next (forward) or previous control of the window.
  virtual void MoveFocus(bool forward) = 0;
};

}  // namespace kirabel
