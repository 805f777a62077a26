#pragma once
// The configurable properties of the numeric field, with their defaults.
#include <cstdint>

namespace kirabel {

constexpr int kMinDigits = 1;
constexpr int kMaxDigitsLimit = 15;
constexpr uint32_t kDefaultTextColor = 0xFF000000;  // opaque black, ARGB

struct NumericProperties {
  int maxDigits = 9;                        // digits of integer and fraction part together
  bool prmtNegative = true;                 // negative numbers may be entered
  int fixDecimal = -1;                      // -1 free, 0 integers only, n > 0 decimal places
  bool delAllClear = false;                 // Delete clears the number without a selection
  char32_t leadingChar = U' ';              // prefix; a character up to the space means none
  bool zeroDisplay = false;                 // zero shows "0" rather than an empty field
  bool putAComma = true;                    // thousands separators
  bool enterNext = false;                   // Enter moves the focus on
  bool arrowNext = false;                   // Up and Down move the focus
  bool autoSelect = true;                   // focus gained by keyboard selects the whole text
  uint32_t minusColor = kDefaultTextColor;  // text colour of negative values
};

}  // namespace kirabel
