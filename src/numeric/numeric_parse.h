#pragma once
// Text to number for the numeric field: the strict decimal reader used for
// the field's own texts, and ParseNumericText for texts that come from
// outside (paste, undo, text set by other code), which accepts the field's
// own rendering (prefix, sign, thousands separators, full-width digits) and
// gives 0 for anything else.
#include <optional>
#include <string>
#include <string_view>

namespace kirabel {

// An optional sign, digits and at most one point ("5.", ".5" and "-0" are
// numbers); nothing for anything else, or a number beyond the long double range.
// Independent of the C locale.
std::optional<long double> ReadDecimal(std::string_view text);

// Full-width ASCII forms (U+FF01..U+FF5E), full-width signs (U+FFE0..U+FFE6)
// and the ideographic space (U+3000) to their half-width counterparts; every
// other character is kept.
char32_t ToHalfWidth(char32_t c);

// leadingChar is the field's prefix; a first character equal to it is removed.
// When it is the space (no prefix), a first "$" or "\" (or yen sign) is
// removed instead.
long double ParseNumericText(std::string_view utf8, char32_t leadingChar);

}  // namespace kirabel
