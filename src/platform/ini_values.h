#pragma once
// The value forms of INI files: integers (decimal, 0x/0X and $ hexadecimal),
// booleans and reals (strict decimal text, written with 15 significant
// digits as 2.56000000000000E+002).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kirabel {

// A text of more than two characters starting with 0x or 0X, or a text
// starting with $, is hexadecimal (up to FFFFFFFF, taken as the 32-bit
// pattern); anything else is decimal with optional leading blanks and sign,
// within the signed 32-bit range. nullopt for anything else.
std::optional<int32_t> ParseIniInteger(std::string_view text);

// Decimal, with a minus sign when negative.
std::string FormatIniInteger(int32_t value);

// Optional leading blanks, optional sign, digits with an optional "." and
// fraction, optional exponent (E or e, optional sign, digits); nothing after.
// Rounded correctly into long double. nullopt for anything else, and for a
// value too large for long double.
std::optional<long double> ParseIniReal(std::string_view text);

// One digit, ".", 14 digits, "E", the exponent's sign and at least three
// exponent digits, rounded correctly to 15 significant digits.
std::string FormatIniReal(long double value);

}  // namespace kirabel
