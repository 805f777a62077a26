#pragma once
// The configurable properties of the numeric field, with their defaults.
#include <cstdint>

#include "model/field_limits.h"

namespace kirabel {

constexpr int kMinDigits = kFewestFieldDigits;
constexpr int kMaxDigitsLimit = kMostFieldDigits;
constexpr uint32_t kDefaultTextColor = 0xFF000000;  // opaque black, ARGB

struct NumericProperties {
  int maxDigits = 9;                           // digits of integer and fraction part together
  bool allowNegative = true;                   // negative numbers may be entered
  int fixedDecimals = -1;                      // -1 free, 0 integers only, n > 0 decimal places
  bool deleteClearsAll = false;                // Delete clears the number without a selection
  char32_t prefixChar = U' ';                  // prefix; a character up to the space means none
  bool showZero = false;                       // zero shows "0" rather than an empty field
  bool thousandsSeparators = true;             // thousands separators
  bool enterMovesFocus = false;                // Enter moves the focus on
  bool arrowsMoveFocus = false;                // Up and Down move the focus
  bool selectAllOnFocus = true;                // focus gained by keyboard selects the whole text
  uint32_t negativeColor = kDefaultTextColor;  // text colour of negative values
};

}  // namespace kirabel
