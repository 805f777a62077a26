// The entry's number: rendering (ShowValue), the set-value rules and the
// property writes.
#include "controls/numeric_entry.h"

#include <algorithm>
#include <cmath>

#include "controls/numeric_decimal.h"
#include "controls/numeric_format.h"
#include "controls/numeric_parse.h"
#include "controls/numeric_utf8.h"

namespace kirabel {
namespace {

int CountDigits(const std::string& text) {
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

NumericProperties Normalised(NumericProperties props) {
  props.maxDigits = std::clamp(props.maxDigits, kMinDigits, kMaxDigitsLimit);
  props.fixDecimal = std::clamp(props.fixDecimal, -1, props.maxDigits - 1);
  if (props.leadingChar < U' ') props.leadingChar = U' ';
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
  return ParseNumericText(text, props_.leadingChar);
}

// ------------------------------------------------------------------ rendering

void NumericEntry::ShowValue(long double x) {
  if (x == 0) x = 0;  // a negative zero shows through IsNegative, never as "-0"
  value_ = x;
  undoValue_.reset();
  if (props_.minusColor != normalColor_) ApplyColor();
  const std::string text = RenderText(x);
  textReady_ = false;
  text_ = text;
  host_.SetText(text);
  textReady_ = true;
}

std::string NumericEntry::RenderText(long double x) {
  std::string text;
  if (x == 0 && !pointEntered_) {
    text = props_.zeroDisplay ? "0" : "";
    digitCount_ = 0;
    decimalCount_ = 0;
  } else {
    text = props_.putAComma ? FormatNumber(x, digitCount_, decimalCount_)
                            : FormatFixed(x, digitCount_, decimalCount_);
    // After "1", "2", "." the user sees "12." until the first decimal.
    if (pointEntered_ && decimalCount_ == 0 && digitCount_ < props_.maxDigits) text += '.';
  }
  text = Trim(text);
  std::string prefix;
  if (props_.leadingChar > U' ') prefix = EncodeUtf8(props_.leadingChar);
  const bool showPrefix = props_.zeroDisplay || x != 0 || isNegative_ || pointEntered_;
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

// The largest magnitude the field holds: maxDigits nines, the last `places`
// of them behind the point.
long double LargestMagnitude(int maxDigits, int places) {
  const std::string nines = std::string(maxDigits - places, '9') + "." + std::string(places, '9');
  return ReadDecimal(nines).value_or(0);
}

}  // namespace

void NumericEntry::SetValue(long double x) {
  if (std::isnan(x)) x = 0;
  // A field without negatives takes the magnitude before the range checks,
  // so neither a clamped nor a tiny negative value shows a minus sign.
  if (!props_.prmtNegative) x = std::fabs(x);
  const int maxDigits = props_.maxDigits;
  const int places = std::max(props_.fixDecimal, 0);
  isNegative_ = x < 0;
  pointEntered_ = false;
  decimalCount_ = places;
  const int smallestPlaces = props_.fixDecimal > 0 ? props_.fixDecimal : maxDigits - 1;
  if (std::fabs(x) < PowerOfTen(-smallestPlaces)) x = 0;  // keeps IsNegative: "-" zero form
  if (x == 0) {
    ShowValue(0);
    return;
  }
  pointEntered_ = props_.fixDecimal > 0;
  if (std::fabs(x) >= PowerOfTen(maxDigits - places) - PowerOfTen(-places)) {
    x = std::copysign(LargestMagnitude(maxDigits, places), x);
    digitCount_ = maxDigits;
    ShowValue(x);
    return;
  }
  SetFittedValue(x);
}

// x lies within the field's range: decide how many decimals show, then
// count the digits the text will hold.
void NumericEntry::SetFittedValue(long double x) {
  const long double magnitude = std::fabs(x);
  if (props_.fixDecimal >= 0) {
    decimalCount_ = props_.fixDecimal;
  } else {
    decimalCount_ = FreeDecimalCount(magnitude);
    pointEntered_ = decimalCount_ > 0;
  }
  digitCount_ = CountDigits(FormatFixed(magnitude, 0, decimalCount_));
  ShowValue(x);
}

// Decimals of a value in a field with free decimals: those of
// "0.##############" that fit beside the integer digits, without trailing
// zeros, and fewer when rounding at the shown places would carry into one
// more integer digit (99.96 in three digits shows 100 rather than 100.0).
int NumericEntry::FreeDecimalCount(long double magnitude) const {
  const int maxDigits = props_.maxDigits;
  const std::string plain = FormatPlain(magnitude);
  const auto point = plain.find('.');
  if (point == std::string::npos) return 0;
  const int room = maxDigits - static_cast<int>(point);
  if (room <= 0) return 0;  // the integer part fills the field: it shows alone
  std::string fraction = plain.substr(point + 1, room);
  fraction.erase(fraction.find_last_not_of('0') + 1);
  int places = static_cast<int>(fraction.size());
  while (places > 0 && CountDigits(FormatFixed(magnitude, 0, places)) > maxDigits) --places;
  return places;
}

// ------------------------------------------------------------------ properties

void NumericEntry::SetMaxDigits(int digits) {
  if (digits < kMinDigits || digits > kMaxDigitsLimit || props_.fixDecimal >= digits) return;
  props_.maxDigits = digits;
  // Set again in every case, so the field shows as one created with these digits.
  SetValue(value_);
}

void NumericEntry::SetFixDecimal(int places) {
  places = std::clamp(places, -1, props_.maxDigits - 1);
  props_.fixDecimal = places;
  SetValue(places >= 0 ? TruncateToPlaces(value_, places) : value_);
}

void NumericEntry::SetPrmtNegative(bool permit) {
  props_.prmtNegative = permit;
  if (!permit) SetValue(value_);
}

void NumericEntry::SetPutAComma(bool put) {
  props_.putAComma = put;
  SetValue(value_);
}

void NumericEntry::SetZeroDisplay(bool show) {
  props_.zeroDisplay = show;
  ShowValue(value_);
}

void NumericEntry::SetLeadingChar(char32_t c) {
  // Stored before rendering and rendered from the value (not re-read from the
  // text), so no prefix and no rounding of the text can change the number.
  props_.leadingChar = c < U' ' ? U' ' : c;
  ShowValue(value_);
}

}  // namespace kirabel
