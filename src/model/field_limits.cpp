#include "model/field_limits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace kirabel {

namespace {

// A plain decimal text ("0.001", "999.99") as a long double, correctly
// rounded.
long double DecimalValue(const std::string& text) {
  long double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  return value;
}

// 10^n, as its decimal text reads.
long double TenToThe(int n) {
  return DecimalValue(n >= 0 ? "1" + std::string(n, '0') : "0." + std::string(-n - 1, '0') + "1");
}

}  // namespace

FieldRange RangeOf(const FieldLimits& limits) {
  const int digits = std::clamp(limits.digits, kFewestFieldDigits, kMostFieldDigits);
  const int decimals = std::clamp(limits.decimals, -1, digits - 1);
  const int places = std::max(decimals, 0);
  const int smallestPlaces = decimals > 0 ? decimals : digits - 1;
  const std::string nines = std::string(digits - places, '9') + "." + std::string(places, '9');
  return {TenToThe(-smallestPlaces), TenToThe(digits - places) - TenToThe(-places),
          DecimalValue(nines)};
}

long double WithAllowedSign(long double x, const FieldLimits& limits) {
  if (std::isnan(x)) return 0;
  return limits.negatives ? x : std::fabs(x);
}

long double HeldWithinLimits(long double x, const FieldLimits& limits) {
  x = WithAllowedSign(x, limits);
  const FieldRange range = RangeOf(limits);
  if (std::fabs(x) < range.smallest) return 0;
  if (std::fabs(x) >= range.beyond) return std::copysign(range.largest, x);
  return x;
}

}  // namespace kirabel
