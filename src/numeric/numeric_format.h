#pragma once
// The field's number formats, written with the C locale's characters
// ("," between thousands, "." before the decimals) whatever the process
// locale is. Values are rounded half away from zero at the shown places.
// Infinite and NaN values read "INF", "-INF" and "NAN".
#include <string>

namespace kirabel {

enum class Justify { kRight, kLeft };

// "%*.*f": at least width characters (padded with spaces), places decimals.
std::string FormatFixed(long double x, int width, int places, Justify justify = Justify::kRight);

// "%*.*n": as FormatFixed, with "," between groups of three integer digits.
std::string FormatNumber(long double x, int width, int places);

// "0.##############": at least one integer digit, at most 14 decimals, no
// trailing zeros and no point without decimals.
std::string FormatPlain(long double x);

// The text without the blanks a width padded it with.
std::string TrimBlanks(const std::string& text);

}  // namespace kirabel
