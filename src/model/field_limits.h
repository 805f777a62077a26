#pragma once
// What a number field of a dialog accepts, as a plain value of the model: how
// many digits, whether negatives, how many decimals, and the value it starts
// with. The model holds values to these limits where a set or the launch
// settings change outside the dialogs (shaping by handles, the timeline,
// kirabel-render), so every way of changing a number ends with what its
// field would show.

namespace kirabel {

// The widest field: fifteen digits are all a long double carries through
// the field's decimal rendering.
constexpr int kFewestFieldDigits = 1;
constexpr int kMostFieldDigits = 15;

struct FieldLimits {
  int digits = 9;           // digits of the integer and fraction part together
  bool negatives = true;    // negative numbers may be entered
  int decimals = -1;        // -1 free, 0 whole numbers, n > 0 exactly n places
  long double initial = 0;  // the value the field shows before anything else

  friend bool operator==(const FieldLimits& a, const FieldLimits& b) {
    return a.digits == b.digits && a.negatives == b.negatives && a.decimals == b.decimals &&
           a.initial == b.initial;
  }
};

// What a field holds: magnitudes below `smallest` become zero, from `beyond`
// on they become `largest` (digits nines, the last `decimals` of them behind
// the point). Digits and decimals out of their ranges count as the nearest
// valid ones.
struct FieldRange {
  long double smallest = 0;
  long double beyond = 0;
  long double largest = 0;
};
FieldRange RangeOf(const FieldLimits& limits);

// Not a number counts as 0. A field without negatives takes the magnitude
// before the range checks, so neither a clamped nor a tiny negative value
// shows a minus sign.
long double WithAllowedSign(long double x, const FieldLimits& limits);

// The number a field with these limits holds once x is written to it: x with
// its allowed sign, a magnitude below the smallest place the field shows
// becomes 0, and one beyond the field's width becomes the largest it holds
// (with x's sign).
long double HeldWithinLimits(long double x, const FieldLimits& limits);

}  // namespace kirabel
