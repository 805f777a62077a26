#pragma once
// The numeric field's behaviour without a window system. The entry owns one
// long double, Value, and works like a pocket calculator: every accepted key
// changes the number and the text is re-rendered from it, with the caret at
// the end. Keys that would break the number are refused with a beep. The
// effects (text, colour, selection, beep, focus moves) go to a
// NumericEntryHost, which the widget implements.
#include <cstdint>
#include <optional>
#include <string>

#include "model/field_limits.h"
#include "numeric/numeric_entry_host.h"
#include "numeric/numeric_properties.h"

namespace kirabel {

// Keys that the entry handles itself when they are pressed.
enum class NumericKey { kBackspace, kEnter, kEscape, kHome, kLeft, kUp, kDown, kDelete, kOther };

class NumericEntry {
 public:
  explicit NumericEntry(NumericEntryHost& host, const NumericProperties& properties = {},
                        uint32_t normalColor = kDefaultTextColor);

  // Normalises a freshly configured field: resets the entry state, sets the
  // value again through the set-value rules and saves it for Escape.
  void Loaded();

  long double Value() const { return value_; }
  // The set-value rules: clamp, decide the digit counts, render.
  void SetValue(long double x);
  // Stores x and renders it with the current entry state.
  void ShowValue(long double x);
  // Text to number as for pasted, undone and outside text; 0 when invalid.
  long double ParseText(const std::string& text) const;

  // Properties; each setter applies its run-time rule at once.
  const NumericProperties& Properties() const { return props_; }
  // The model's limits: digits, sign and decimals, set in that order (the
  // initial value is the caller's to set).
  void SetLimits(const FieldLimits& limits);
  void SetMaxDigits(int digits);
  void SetAllowNegative(bool permit);
  void SetFixedDecimals(int places);
  void SetDeleteClearsAll(bool clear) { props_.deleteClearsAll = clear; }
  void SetPrefixChar(char32_t c);
  void SetShowZero(bool show);
  void SetThousandsSeparators(bool put);
  void SetEnterMovesFocus(bool next) { props_.enterMovesFocus = next; }
  void SetArrowsMoveFocus(bool next) { props_.arrowsMoveFocus = next; }
  void SetSelectAllOnFocus(bool select) { props_.selectAllOnFocus = select; }
  // Takes effect at the next rendering of the number.
  void SetNegativeColor(uint32_t argb) { props_.negativeColor = argb; }

  // Entry state.
  int DigitCount() const { return digitCount_; }
  int DecimalCount() const { return decimalCount_; }
  bool PointEntered() const { return pointEntered_; }
  bool IsNegative() const { return isNegative_; }
  long double SavedValue() const { return savedValue_; }
  uint32_t NormalColor() const { return normalColor_; }
  bool MouseActivated() const { return mouseActivated_; }
  bool DoubleClicked() const { return doubleClicked_; }
  bool TextReady() const { return textReady_; }
  const std::string& Text() const { return text_; }

  // A typed character (after the widget's own key filter).
  void TypeChar(char32_t c);
  // A key press; false leaves the key to the edit control's own handling.
  bool KeyDown(NumericKey key);

  void FocusGained();
  void FocusLost();
  void MouseActivate() { mouseActivated_ = true; }
  void MouseReleased();
  void DoubleClick() { doubleClicked_ = true; }

  // Clipboard commands; nothing (or no text) on the clipboard pastes 0.
  void Paste(const std::optional<std::string>& clipboardText);
  void Cut();
  void Clear();
  void Undo();
  bool CanUndo() const { return undoValue_.has_value(); }
  bool CanCutOrClear() const;

  // The text was replaced from outside (not by the entry's own rendering).
  void TextSet(const std::string& text);
  // The text colour was changed (by the entry itself or from outside).
  void TextColorChanged(uint32_t argb);

 private:
  void ResetNumber();
  void TypeDigit(int digit);
  void TypePoint();
  void TypeMinus();
  void Backspace();
  void ClearKey();
  bool ShownNegative() const;
  std::string RenderText(long double x);
  void ApplyColor();
  void PaintColor(uint32_t argb);
  void SetFittedValue(long double x);
  std::string CutFraction(std::string& digits, std::size_t point) const;
  void SetValueUndoably(long double x);

  NumericEntryHost& host_;
  NumericProperties props_;
  long double value_ = 0;
  int digitCount_ = 0;
  int decimalCount_ = 0;
  bool pointEntered_ = false;
  bool isNegative_ = false;
  long double savedValue_ = 0;
  uint32_t normalColor_;
  bool mouseActivated_ = false;
  bool doubleClicked_ = false;
  bool textReady_ = false;
  bool changingColor_ = false;
  std::string text_;
  std::optional<long double> undoValue_;  // the value before the last cut, clear or paste
};

}  // namespace kirabel
