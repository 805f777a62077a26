#include "ui/dialogs/numeric_value.h"

#include <cmath>
#include <limits>

namespace kirabel {

int32_t TruncateToInt32(long double value) {
  if (std::isnan(value)) return 0;
  constexpr long double kLowest = std::numeric_limits<int32_t>::min();
  constexpr long double kHighest = std::numeric_limits<int32_t>::max();
  if (value <= kLowest) return std::numeric_limits<int32_t>::min();
  if (value >= kHighest) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::trunc(value));
}

}  // namespace kirabel
