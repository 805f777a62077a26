#include "numeric/numeric_format.h"

#include <cmath>

#include "numeric/numeric_decimal.h"

namespace kirabel {
namespace {

constexpr int kPlainPlaces = 14;

std::string NonFinite(long double x) {
  if (std::isnan(x)) return "NAN";
  return x < 0 ? "-INF" : "INF";
}

std::string GroupThousands(const std::string& digits) {
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

std::string Pad(std::string text, int width, Justify justify) {
  if (width <= static_cast<int>(text.size())) return text;
  const std::string blanks(width - text.size(), ' ');
  return justify == Justify::kLeft ? text + blanks : blanks + text;
}

std::string Compose(const DecimalFigures& figures, const std::string& integer) {
  std::string text = figures.negative ? "-" : "";
  text += integer;
  if (!figures.fraction.empty()) text += "." + figures.fraction;
  return text;
}

std::string FormatFigures(long double x, int width, int places, Justify justify, bool group) {
  if (!std::isfinite(x)) return Pad(NonFinite(x), width, justify);
  const DecimalFigures figures = ToDecimalFigures(x, places);
  const std::string integer = group ? GroupThousands(figures.integer) : figures.integer;
  return Pad(Compose(figures, integer), width, justify);
}

}  // namespace

std::string FormatFixed(long double x, int width, int places, Justify justify) {
  return FormatFigures(x, width, places, justify, false);
}

std::string FormatNumber(long double x, int width, int places) {
  return FormatFigures(x, width, places, Justify::kRight, true);
}

std::string FormatPlain(long double x) {
  if (!std::isfinite(x)) return NonFinite(x);
  DecimalFigures figures = ToDecimalFigures(x, kPlainPlaces);
  const auto last = figures.fraction.find_last_not_of('0');
  figures.fraction.erase(last == std::string::npos ? 0 : last + 1);
  return Compose(figures, figures.integer);
}

std::string TrimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace kirabel
