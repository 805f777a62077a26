#include "model/set_number_limits.h"

#include "model/angles.h"

namespace kirabel {

const SetNumberRow& RowOf(SetNumber number) {
  const auto index = static_cast<std::size_t>(number);
  return index < std::size(kSetNumberRows) ? kSetNumberRows[index] : kSetNumberRows[0];
}

long double StoredWithinLimits(SetNumber number, long double stored) {
  const SetNumberRow& row = RowOf(number);
  if (row.shownAs == ShownAs::kStored) return HeldWithinLimits(stored, row.limits);
  return DegreesToRadians(HeldWithinLimits(RadiansToDegrees(stored), row.limits));
}

}  // namespace kirabel
