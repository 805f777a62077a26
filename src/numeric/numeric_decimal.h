#pragma once
// Decimal digits of a long double at a given number of places. The number is
// first written with 18 significant digits (all an extended real carries
// reliably), so 0.29 counts as 0.29 and not as 0.28999..., and is then rounded
// half away from zero or cut at the places. These digits are what the field
// shows; every format of the field is built on them.
#include <string>

namespace kirabel {

struct DecimalFigures {
  bool negative = false;  // only when some digit is non-zero
  std::string integer;    // integer digits without leading zeros, at least "0"
  std::string fraction;   // exactly the requested number of places
};

enum class DecimalCut { kRoundHalfAway, kTruncate };

// x must be finite; places below 0 count as 0.
DecimalFigures ToDecimalFigures(long double x, int places,
                                DecimalCut cut = DecimalCut::kRoundHalfAway);

// x cut (not rounded) to the places, keeping its sign.
long double TruncateToPlaces(long double x, int places);

// 10^n, correctly rounded (as the decimal text "1e<n>" would read).
long double PowerOfTen(int n);

}  // namespace kirabel
