#include "model/set_number_limits.h"

#include "model/angles.h"

namespace kirabel {

const SetNumberRow& RowOf(SetNumber number) {
  for (const SetNumberRow& row : kSetNumberRows) {
    if (row.number == number) return row;
  }
  return kSetNumberRows[0];  // every number has its row (the tests check it)
}

long double StoredWithinLimits(SetNumber number, long double stored) {
  const SetNumberRow& row = RowOf(number);
  if (row.shownAs == ShownAs::kStored) return HeldWithinLimits(stored, row.limits);
  return DegreesToRadians(HeldWithinLimits(RadiansToDegrees(stored), row.limits));
}

}  // namespace kirabel
