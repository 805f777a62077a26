#pragma once
// Reading a numeric field's value into a 32-bit integer, as the dialogs of the
// main window do: truncated toward zero, kept within the 32-bit range (a NaN
// gives 0), so that no value can overflow the conversion.
#include <cstdint>

namespace kirabel {

int32_t TruncateToInt32(long double value);

}  // namespace kirabel
