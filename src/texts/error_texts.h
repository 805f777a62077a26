#pragma once
// The text of an error raised by the core, in the installed language.
#include <QString>
#include <exception>

namespace kirabel {

// The core's errors (WriteError, OutOfMemoryError, FileIOError) in the
// installed language: exactly their what() when no translation is installed.
// Any other exception gives its what() as it is.
QString ErrorText(const std::exception& error);

}  // namespace kirabel
