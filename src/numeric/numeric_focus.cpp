// Focus, mouse and text colour of the numeric entry.
#include "numeric/numeric_entry.h"

namespace kirabel {

void NumericEntry::FocusGained() {
  savedValue_ = value_;
  // Selected, the first digit typed replaces the number; a click keeps its caret.
  if (props_.selectAllOnFocus && !mouseActivated_) host_.SelectAll();
  mouseActivated_ = false;
}

void NumericEntry::FocusLost() {
  savedValue_ = value_;
  mouseActivated_ = false;
  const int places = props_.fixedDecimals;
  if (places > 0 && value_ != 0 && decimalCount_ != places) {
    // A field with two fixed places that holds 3 shows 3.00 once left.
    digitCount_ += places - decimalCount_;
    decimalCount_ = places;
    pointEntered_ = true;
  }
  ShowValue(value_);
}

void NumericEntry::MouseReleased() {
  // A selection of the whole text stays (so a typed digit replaces it), and
  // so does the word a double click selected; otherwise the caret goes back
  // to the end, the only place it may stand.
  if (!doubleClicked_ && host_.Selection() != SelectionKind::kAll) host_.CaretToEnd();
  doubleClicked_ = false;
}

void NumericEntry::PaintColor(uint32_t argb) {
  changingColor_ = true;
  host_.SetTextColor(argb);
  changingColor_ = false;
}

void NumericEntry::ApplyColor() {
  PaintColor(ShownNegative() ? props_.negativeColor : normalColor_);
}

void NumericEntry::TextColorChanged(uint32_t argb) {
  if (changingColor_) return;  // our own painting
  const bool negative = ShownNegative();
  if (argb == normalColor_ && !negative) return;
  if (normalColor_ == props_.negativeColor) {
    normalColor_ = argb;
    props_.negativeColor = argb;
  } else if (negative) {
    // The new colour is the normal one; a negative value keeps negativeColor.
    if (argb != props_.negativeColor) {
      normalColor_ = argb;
      PaintColor(props_.negativeColor);
    }
  } else {
    normalColor_ = argb;
  }
}

}  // namespace kirabel
