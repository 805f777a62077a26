#pragma once
// The limits of a particle set's numbers, one row per number: the digits,
// sign and decimals of its field in the properties dialog and the value the
// field starts with. The dialog builds its fields from these rows; shaping by
// handles and timing by the timeline hold what they change to them. Reading a
// PCL file keeps its values as they are.
#include <cstddef>
#include <iterator>

#include "model/field_limits.h"

namespace kirabel {

// The numbers of a set that the properties dialog edits in its fields; a new
// number takes its row at the same place in kSetNumberRows.
enum class SetNumber {
  kCount,
  kOriginX,
  kOriginY,
  kSpeed,
  kSpeedSpread,
  kDirection,
  kDirectionSpread,
  kBirthTime,
  kBirthSpread,
  kLifetime,
  kLifetimeSpread,
  kTrailLength,
  kTrailSamples,
  kMaxGenerations,
};

// How the field shows the stored number: as it is, or an angle stored in
// radians shown in degrees.
enum class ShownAs { kStored, kDegrees };

struct SetNumberRow {
  SetNumber number;
  FieldLimits limits;  // of the number as its field shows it
  ShownAs shownAs = ShownAs::kStored;
};

inline constexpr SetNumberRow kSetNumberRows[] = {
    {SetNumber::kCount, {9, false, 0, 200}},
    {SetNumber::kOriginX, {4, false, -1, 256}},
    {SetNumber::kOriginY, {4, false, -1, 256}},
    {SetNumber::kSpeed, {9, false, -1, 10}},
    {SetNumber::kSpeedSpread, {9, false, -1, 5}},
    {SetNumber::kDirection, {9, true, -1, 0}, ShownAs::kDegrees},
    {SetNumber::kDirectionSpread, {9, true, -1, 180}, ShownAs::kDegrees},
    {SetNumber::kBirthTime, {9, true, -1, 0}},
    {SetNumber::kBirthSpread, {9, false, -1, 5}},
    {SetNumber::kLifetime, {9, false, -1, 20}},
    {SetNumber::kLifetimeSpread, {9, false, -1, 5}},
    {SetNumber::kTrailLength, {9, false, -1, 5}},
    {SetNumber::kTrailSamples, {9, false, 0, 100}},
    {SetNumber::kMaxGenerations, {9, false, 0, 2}},
};

constexpr bool RowsFollowTheNumbers() {
  for (std::size_t i = 0; i < std::size(kSetNumberRows); ++i) {
    if (static_cast<std::size_t>(kSetNumberRows[i].number) != i) return false;
  }
  return true;
}
static_assert(RowsFollowTheNumbers(), "one row per number, in the order of SetNumber");

// The number's row of the table.
const SetNumberRow& RowOf(SetNumber number);

// The limits of the number's field (of the shown value, so in degrees for a
// direction).
inline FieldLimits LimitsOf(SetNumber number) {
  return RowOf(number).limits;
}

// A stored value (a direction in radians) as its field would hold it, stored
// again.
long double StoredWithinLimits(SetNumber number, long double stored);

}  // namespace kirabel
