#pragma once
// The message of an error that ends a run of kirabel-render, in the user's
// language.
#include <QString>
#include <exception>

namespace kirabel::cli {

// The core's errors as the desktop program words them; a frame that was not
// written names its frame and the cause; the encoder's errors name the format
// or the file.
QString MessageOf(const std::exception& error);

}  // namespace kirabel::cli
