#include "numeric/numeric_parse.h"

#include <charconv>
#include <cmath>

#include "numeric/numeric_utf8.h"

namespace kirabel {

std::optional<long double> ReadDecimal(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // from_chars would also take "inf", "nan" and exponents; the field's
  // numbers are plain digits with one optional point.
  if (text.find_first_not_of("0123456789.") != std::string_view::npos) return std::nullopt;
  long double value = 0;
  const auto result =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

char32_t ToHalfWidth(char32_t c) {
  // The full-width signs U+FFE0..U+FFE6: cent, pound, not, macron, broken
  // bar, yen, won.
  static constexpr char32_t kSigns[] = {0xA2, 0xA3, 0xAC, 0xAF, 0xA6, 0xA5, 0x20A9};
  if (c >= 0xFF01 && c <= 0xFF5E) return c - 0xFF01 + 0x21;
  if (c >= 0xFFE0 && c <= 0xFFE6) return kSigns[c - 0xFFE0];
  if (c == 0x3000) return U' ';
  return c;
}

namespace {

// The prefix is compared in its half-width form, as the text is, so a
// field's own text with a full-width prefix reads back. Without a prefix of
// its own (the space), a dollar or yen sign is taken: the yen sign is the
// backslash's code in the Japanese code page, so both count.
bool IsPrefixOf(char32_t first, char32_t leadingChar) {
  if (leadingChar != U' ') return first == ToHalfWidth(leadingChar);
  return first == U'$' || first == U'\\' || first == 0xA5;
}

// Commas are accepted only between groups of three integer digits, counted
// over the digits (a leading sign does not shift the groups), and there must
// be one comma for every full group. Returns the text without them, or
// nothing when a comma is out of place or another character is not allowed.
std::optional<std::string> RemoveGroupCommas(const std::u32string& text) {
  const std::size_t signLength = !text.empty() && (text[0] == U'+' || text[0] == U'-') ? 1 : 0;
  const std::size_t length = text.size() - signLength;
  const auto lastPoint = text.rfind(U'.');
  // Positions count from 1 over the text after the sign; a missing point
  // stands just past the end.
  const std::size_t pointPos = lastPoint == std::u32string::npos || lastPoint < signLength
                                   ? length + 1
                                   : lastPoint - signLength + 1;
  std::string kept;
  std::size_t commas = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == U',') {
      const std::size_t pos = i + 1 - signLength;
      if (i < signLength || pos == 1 || pos >= pointPos || (pointPos - pos) % 4 != 0) {
        return std::nullopt;
      }
      ++commas;
      continue;
    }
    const bool allowed = (c >= U'0' && c <= U'9') || c == U'.' || c == U'+' || c == U'-';
    if (!allowed) return std::nullopt;
    kept += static_cast<char>(c);
  }
  if (commas > 0 && commas != (pointPos - commas - 2) / 3) return std::nullopt;
  return kept;
}

}  // namespace

long double ParseNumericText(std::string_view utf8, char32_t leadingChar) {
  auto decoded = DecodeUtf8(utf8);
  if (!decoded || decoded->empty()) return 0;
  std::u32string text = *decoded;
  for (char32_t& c : text) c = ToHalfWidth(c);
  if (IsPrefixOf(text.front(), leadingChar)) text.erase(0, 1);
  const auto plain = RemoveGroupCommas(text);
  if (!plain) return 0;
  return ReadDecimal(*plain).value_or(0);
}

}  // namespace kirabel
