// Typed characters and key presses: the digit, point, minus, Backspace and
// Delete rules, and the keys that move the focus.
#include "numeric/numeric_decimal.h"
#include "numeric/numeric_entry.h"
#include "numeric/numeric_format.h"
#include "numeric/numeric_parse.h"

namespace kirabel {

void NumericEntry::ResetNumber() {
  value_ = 0;
  digitCount_ = 0;
  decimalCount_ = 0;
  pointEntered_ = false;
  isNegative_ = false;
}

bool NumericEntry::ShownNegative() const {
  return value_ < 0 || isNegative_;
}

void NumericEntry::TypeChar(char32_t c) {
  if (host_.IsReadOnly()) return;
  if (c >= U'0' && c <= U'9') {
    TypeDigit(static_cast<int>(c - U'0'));
  } else if (c == U'.') {
    TypePoint();
  } else if (c == U'-') {
    TypeMinus();
  }
  // Every other character is dropped without a sound.
}

void NumericEntry::TypeDigit(int digit) {
  if (host_.Selection() != SelectionKind::kNone) {
    ResetNumber();
    ShowValue(0);
  }
  // The digit joins the held number, which may carry more decimals than the
  // text shows (2.5 in an integer field shows 3; typing 4 then gives 29).
  const int sign = ShownNegative() ? -1 : 1;
  long double candidate = 0;
  if (!pointEntered_) {
    candidate = value_ * 10 + sign * digit;
  } else {
    ++decimalCount_;
    candidate = value_ + sign * digit / PowerOfTen(decimalCount_);
  }
  const int oldDigitCount = digitCount_;
  // The leading "0" of "0.5" counts as a digit.
  digitCount_ = decimalCount_ == 1 && value_ == 0 ? 2 : digitCount_ + 1;

  const int maxDigits = props_.maxDigits;
  const int fixDecimal = props_.fixedDecimals;
  if (digitCount_ > maxDigits) {
    digitCount_ = maxDigits;
    if (pointEntered_) --decimalCount_;
    host_.Beep();
  } else if (!pointEntered_ && fixDecimal >= 0 && digitCount_ > maxDigits - fixDecimal) {
    digitCount_ = maxDigits - fixDecimal;
    host_.Beep();
  } else if (pointEntered_ && fixDecimal >= 0 && decimalCount_ > fixDecimal) {
    decimalCount_ = fixDecimal;
    digitCount_ = oldDigitCount;
    host_.Beep();
  } else {
    // Rounding at the typed places drops the binary noise of the sum.
    ShowValue(ReadDecimal(FormatFixed(candidate, 0, decimalCount_)).value_or(0));
  }
}

void NumericEntry::TypePoint() {
  if (props_.fixedDecimals == 0) {
    pointEntered_ = false;
    decimalCount_ = 0;
    host_.Beep();
    return;
  }
  if (host_.Selection() != SelectionKind::kNone) {
    value_ = 0;  // the sign flag stays: a selected "-5" and "." give "-0."
    digitCount_ = 0;
    decimalCount_ = 0;
    pointEntered_ = false;
  }
  if (digitCount_ >= props_.maxDigits) {
    host_.Beep();
    return;
  }
  if (digitCount_ == 0) digitCount_ = 1;
  if (pointEntered_) {
    host_.Beep();
  } else {
    pointEntered_ = true;
  }
  ShowValue(value_);
}

void NumericEntry::TypeMinus() {
  if (!props_.allowNegative) {
    host_.Beep();
    return;
  }
  if (host_.Selection() != SelectionKind::kNone) ResetNumber();
  isNegative_ = !isNegative_;
  ShowValue(-value_);
}

void NumericEntry::Backspace() {
  if (host_.Selection() != SelectionKind::kNone || digitCount_ <= 0) {
    ResetNumber();
    ShowValue(0);
    return;
  }
  // Written left-justified in DigitCount characters: when the count exceeds
  // the written number, the character dropped is a padding blank.
  std::string text = FormatFixed(value_, digitCount_, decimalCount_, Justify::kLeft);
  text.pop_back();
  --digitCount_;
  const long double shortened = ReadDecimal(TrimBlanks(text)).value_or(0);  // "", "-": 0
  if (decimalCount_ > 0) {
    --decimalCount_;
  } else {
    // The point goes with the last integer digit; the sign stays while the
    // shortened number is still negative ("-12" gives "-1", not "1" marked negative).
    pointEntered_ = false;
    isNegative_ = shortened < 0;
  }
  ShowValue(shortened);
}

void NumericEntry::ClearKey() {
  if (host_.Selection() == SelectionKind::kNone && !props_.deleteClearsAll) return;
  ResetNumber();
  ShowValue(0);
}

bool NumericEntry::KeyDown(NumericKey key) {
  const bool readOnly = host_.IsReadOnly();
  switch (key) {
    case NumericKey::kBackspace:
      if (!readOnly) Backspace();
      return true;
    case NumericKey::kEnter:
      if (!props_.enterMovesFocus) return false;
      host_.MoveFocus(true);
      return true;
    case NumericKey::kEscape:
      if (!readOnly) SetValue(savedValue_);
      return true;
    case NumericKey::kHome:
      host_.SelectAll();
      return true;
    case NumericKey::kLeft:
      return true;  // the caret never moves into the number
    case NumericKey::kUp:
    case NumericKey::kDown:
      if (!props_.arrowsMoveFocus) return false;
      host_.MoveFocus(key == NumericKey::kDown);
      return true;
    case NumericKey::kDelete:
      if (!readOnly) ClearKey();
      return true;
    case NumericKey::kOther:
      break;
  }
  return false;
}

}  // namespace kirabel
