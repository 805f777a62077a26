// The entry's number: rendering (ShowValue), the set-value rules and the
// property writes.
#include "numeric/numeric_entry.h"

#include <algorithm>
#include <cmath>

#include "numeric/numeric_decimal.h"
#include "numeric/numeric_format.h"
#include "numeric/numeric_parse.h"
#include "numeric/numeric_utf8.h"

namespace kirabel {
namespace {

// The value written as digits: its integer digits, then its fraction digits
// padded with zeros to the fixed places.
int WrittenDigits(long double x, int fixDecimal) {
  const std::string plain = FormatPlain(std::fabs(x));
  const auto point = plain.find('.');
  if (point == std::string::npos) return static_cast<int>(plain.size()) + std::max(fixDecimal, 0);
  const int fraction = static_cast<int>(plain.size() - point - 1);
  return static_cast<int>(point) + std::max(fraction, fixDecimal);
}

NumericProperties Normalised(NumericProperties props) {
  props.maxDigits = std::clamp(props.maxDigits, kMinDigits, kMaxDigitsLimit);
  props.fixedDecimals = std::clamp(props.fixedDecimals, -1, props.maxDigits - 1);
  if (props.prefixChar == U'\0') props.prefixChar = U' ';
  return props;
}

}  // namespace

NumericEntry::NumericEntry(NumericEntryHost& host, const NumericProperties& properties,
                           uint32_t normalColor)
    : host_(host), props_(Normalised(properties)), normalColor_(normalColor) {}

void NumericEntry::Loaded() {
  digitCount_ = 0;
  decimalCount_ = 0;
  pointEntered_ = false;
  isNegative_ = false;
  mouseActivated_ = false;
  doubleClicked_ = false;
  textReady_ = false;
  SetValue(value_);
  savedValue_ = value_;
}

long double NumericEntry::ParseText(const std::string& text) const {
  return ParseNumericText(text, props_.prefixChar);
}

// ------------------------------------------------------------------ rendering

void NumericEntry::ShowValue(long double x) {
  if (x == 0) x = 0;  // a negative zero shows through IsNegative, never as "-0"
  value_ = x;
  undoValue_.reset();
  if (props_.negativeColor != normalColor_) ApplyColor();
  const std::string text = RenderText(x);
  textReady_ = false;
  text_ = text;
  host_.SetText(text);
  textReady_ = true;
}

std::string NumericEntry::RenderText(long double x) {
  std::string text;
  if (x == 0 && !pointEntered_) {
    text = props_.showZero ? "0" : "";
    digitCount_ = 0;
    decimalCount_ = 0;
  } else {
    text = props_.thousandsSeparators ? FormatNumber(x, digitCount_, decimalCount_)
                                      : FormatFixed(x, digitCount_, decimalCount_);
    // After "1", "2", "." the user sees "12." until the first decimal.
    if (pointEntered_ && decimalCount_ == 0 && digitCount_ < props_.maxDigits) text += '.';
  }
  text = TrimBlanks(text);
  std::string prefix;
  if (props_.prefixChar > U' ') prefix = EncodeUtf8(props_.prefixChar);
  const bool showPrefix = props_.showZero || x != 0 || isNegative_ || pointEntered_;
  if (!prefix.empty() && showPrefix) text = prefix + text;
  if (x == 0 && isNegative_) {
    // A lone minus sign before any digit (or before "0." once the point came).
    const bool hasPrefix = !prefix.empty() && text.compare(0, prefix.size(), prefix) == 0;
    text.insert(hasPrefix ? prefix.size() : 0, "-");
  }
  return text;
}

// ------------------------------------------------------------------ set-value rules

namespace {

// The limits of the model that these properties put on the number.
FieldLimits LimitsOfProperties(const NumericProperties& props) {
  return {props.maxDigits, props.allowNegative, props.fixedDecimals};
}

}  // namespace

void NumericEntry::SetValue(long double x) {
  const FieldLimits limits = LimitsOfProperties(props_);
  x = WithAllowedSign(x, limits);
  const FieldRange range = RangeOf(limits);
  const int fixDecimal = props_.fixedDecimals;
  isNegative_ = x < 0;
  decimalCount_ = std::max(fixDecimal, 0);
  pointEntered_ = fixDecimal > 0 && x != 0;
  // A tiny value becomes zero; the sign flag and, with fixed places, the
  // point stay, so it shows "-" or "0.00".
  if (std::fabs(x) < range.smallest) x = 0;
  if (x == 0) {
    ShowValue(0);
    return;
  }
  if (std::fabs(x) >= range.beyond) {
    digitCount_ = props_.maxDigits;
    ShowValue(std::copysign(range.largest, x));
    return;
  }
  SetFittedValue(x);
}

// x lies within the field's range. Its digits, written as
// "0.##############" and cut to the field's width, decide how many decimals
// show and how many digits the entry counts.
void NumericEntry::SetFittedValue(long double x) {
  const int maxDigits = props_.maxDigits;
  const int fixDecimal = props_.fixedDecimals;
  std::string digits = FormatPlain(std::fabs(x));
  const auto point = digits.find('.');
  std::string fraction =
      point == std::string::npos || fixDecimal == 0 ? "" : digits.substr(point + 1);
  // An integer-only field keeps the point and the fraction among the digits.
  if (fixDecimal != 0 && point != std::string::npos) {
    pointEntered_ = true;
    fraction = CutFraction(digits, point);
    digits.erase(point, 1);
  }
  const int beforeFraction = static_cast<int>(digits.size() - fraction.size());
  if (fixDecimal == -1) {
    // The integer part alone when it already fills the field.
    decimalCount_ = std::clamp(maxDigits - beforeFraction, 0, static_cast<int>(fraction.size()));
  }
  digitCount_ = beforeFraction + decimalCount_;
  ShowValue(x);
}

// Cuts the digits (with their point at `point`) to the field's width and
// places and returns the fraction digits left, empty when all are zero.
std::string NumericEntry::CutFraction(std::string& digits, std::size_t point) const {
  if (static_cast<int>(point) < props_.maxDigits) {
    digits.resize(std::min<std::size_t>(digits.size(), props_.maxDigits + 1));
    if (props_.fixedDecimals > 0) {
      digits.resize(std::min<std::size_t>(digits.size(), point + 1 + props_.fixedDecimals));
    } else {
      digits.erase(digits.find_last_not_of('0') + 1);
    }
  }
  std::string fraction = digits.substr(point + 1);
  if (fraction.find_first_not_of('0') == std::string::npos) fraction.clear();
  return fraction;
}

// ------------------------------------------------------------------ properties

void NumericEntry::SetLimits(const FieldLimits& limits) {
  SetMaxDigits(limits.digits);
  SetAllowNegative(limits.negatives);
  SetFixedDecimals(limits.decimals);
}

void NumericEntry::SetMaxDigits(int digits) {
  if (digits < kMinDigits || digits > kMaxDigitsLimit || props_.fixedDecimals >= digits) return;
  props_.maxDigits = digits;
  if (WrittenDigits(value_, props_.fixedDecimals) > digits) SetValue(value_);  // clamps it
}

void NumericEntry::SetFixedDecimals(int places) {
  places = std::clamp(places, -1, props_.maxDigits - 1);
  props_.fixedDecimals = places;
  if (places >= 0) SetValue(TruncateToPlaces(value_, places));
}

void NumericEntry::SetAllowNegative(bool permit) {
  props_.allowNegative = permit;
  // The sign flag counts as well: a "-" typed before any digit would
  // otherwise still give a negative number.
  if (!permit && ShownNegative()) SetValue(std::fabs(value_));
}

void NumericEntry::SetThousandsSeparators(bool put) {
  props_.thousandsSeparators = put;
  SetValue(value_);
}

void NumericEntry::SetShowZero(bool show) {
  props_.showZero = show;
  ShowValue(value_);
}

void NumericEntry::SetPrefixChar(char32_t c) {
  // Stored before rendering and rendered from the value (not re-read from the
  // text), so no prefix and no rounding of the text can change the number.
  props_.prefixChar = c == U'\0' ? U' ' : c;
  ShowValue(value_);
}

}  // namespace kirabel
