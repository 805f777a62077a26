#include "numeric/numeric_decimal.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "numeric/numeric_parse.h"

namespace kirabel {
namespace {

constexpr int kSignificantDigits = 18;

// The significant digits of |x| and the decimal exponent of the first one.
struct Significand {
  std::string digits;
  int exponent = 0;
};

Significand ToSignificand(long double x) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                    std::chars_format::scientific, kSignificantDigits - 1);
  const std::string text(buffer, result.ptr);  // d.ddd...e+XX
  const auto e = text.find('e');
  Significand s;
  s.digits = text.substr(0, 1) + text.substr(2, e - 2);
  s.exponent = std::atoi(text.c_str() + e + 1);
  return s;
}

// Adds one to a string of decimal digits, growing it on a carry out.
void Increment(std::string& digits) {
  for (auto i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

// |x| as an integer count of units of 10^-places.
std::string ScaledDigits(long double x, int places, DecimalCut cut) {
  const Significand s = ToSignificand(x);
  const long kept = static_cast<long>(s.exponent) + places + 1;
  const long total = static_cast<long>(s.digits.size());
  if (kept >= total) return s.digits + std::string(kept - total, '0');
  std::string scaled = kept > 0 ? s.digits.substr(0, kept) : "0";
  const bool roundUp = kept >= 0 && s.digits[kept] >= '5';
  if (cut == DecimalCut::kRoundHalfAway && roundUp) Increment(scaled);
  return scaled;
}

}  // namespace

DecimalFigures ToDecimalFigures(long double x, int places, DecimalCut cut) {
  if (places < 0) places = 0;
  std::string scaled = ScaledDigits(x, places, cut);
  if (scaled.size() <= static_cast<std::size_t>(places)) {
    scaled.insert(0, places + 1 - scaled.size(), '0');
  }
  DecimalFigures figures;
  figures.integer = scaled.substr(0, scaled.size() - places);
  figures.fraction = scaled.substr(scaled.size() - places);
  const auto first = figures.integer.find_first_not_of('0');
  figures.integer = first == std::string::npos ? "0" : figures.integer.substr(first);
  figures.negative = x < 0 && scaled.find_first_not_of('0') != std::string::npos;
  return figures;
}

namespace {

long double FiguresToValue(const DecimalFigures& figures) {
  std::string text = figures.negative ? "-" : "";
  text += figures.integer;
  if (!figures.fraction.empty()) text += "." + figures.fraction;
  return ReadDecimal(text).value_or(0);
}

}  // namespace

long double TruncateToPlaces(long double x, int places) {
  if (!std::isfinite(x)) return x;
  return FiguresToValue(ToDecimalFigures(x, places, DecimalCut::kTruncate));
}

long double PowerOfTen(int n) {
  const std::string text =
      n >= 0 ? "1" + std::string(n, '0') : "0." + std::string(-n - 1, '0') + "1";
  return ReadDecimal(text).value_or(0);
}

}  // namespace kirabel
