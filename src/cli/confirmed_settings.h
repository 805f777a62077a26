#pragma once
// The launch settings as the desktop program's launch settings dialog hands
// them to a launch: each number passes through its field's value rules (G and
// ST free, IT and NF without negatives, NF integers only, everything within
// nine digits), exactly as when the dialog is shown and closed with OK.
#include "model/environment.h"

namespace kirabel::cli {

TEnvironment ConfirmedSettings(const TEnvironment& env);

}  // namespace kirabel::cli
