#include "platform/ini_values.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/c_numbers.h"

namespace kirabel {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Hexadecimal digits from pos to the end, up to FFFFFFFF.
std::optional<int32_t> ParseHex(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return std::nullopt;
  uint64_t value = 0;
  for (; pos < text.size(); ++pos) {
    const int digit = HexDigit(text[pos]);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos >= text.size()) return std::nullopt;
  const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                 : std::numeric_limits<int32_t>::max();
  int64_t value = 0;
  for (; pos < text.size(); ++pos) {
    if (!IsDigit(text[pos])) return std::nullopt;
    value = value * 10 + (text[pos] - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

// True when text[pos..] holds at least one digit; moves pos past them.
bool SkipDigits(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos > start;
}

bool IsStrictReal(std::string_view text, std::size_t pos) {
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  bool digits = SkipDigits(text, pos);
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    digits = SkipDigits(text, pos) || digits;
  }
  if (!digits) return false;
  if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    if (!SkipDigits(text, pos)) return false;
  }
  return pos == text.size();
}

}  // namespace

std::optional<int32_t> ParseIniInteger(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    return ParseHex(text, 2);
  }
  if (!text.empty() && text[0] == '$') return ParseHex(text, 1);
  return ParseDecimal(text);
}

std::string FormatIniInteger(int32_t value) {
  return std::to_string(value);
}

std::optional<long double> ParseIniReal(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  if (!IsStrictReal(text, pos)) return std::nullopt;
  const std::string number(text.substr(pos));  // strtold needs a terminated text
  errno = 0;
  const long double value = ReadCReal(number.c_str(), nullptr);
  if (errno == ERANGE && std::isinf(value)) return std::nullopt;
  return value;
}

std::string FormatIniReal(long double value) {
  if (!std::isfinite(value)) value = 0;
  // glibc rounds correctly. The text is "d.ddddddddddddddE+xx" (at least two
  // exponent digits); widen the exponent to at least three.
  std::string text = FormatNumbers("%.14LE", value);
  const std::size_t e = text.find('E');
  std::string exponent = text.substr(e + 2);
  while (exponent.size() < 3) exponent.insert(0, 1, '0');
  return text.substr(0, e + 2) + exponent;
}

}  // namespace kirabel
