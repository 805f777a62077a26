#pragma once
// The text of an error raised by the core, in the installed language.
#include <QString>
#include <exception>

namespace kirabel {

// The core's errors (WriteError, OutOfMemoryError, FileIOError) in the
// installed language: exactly their what() when no translation is installed.
// Any other exception gives its what() as it is.
QString ErrorText(const std::exception& error);

// A file that could not be saved: "<file> に書き込めません", and the reason on
// a second line when one is given.
QString CannotWriteText(const QString& fileName, const QString& reason = QString());
// A failed save as CannotWriteText words it: a FileIOError names the system's
// reason; any other error as ErrorText gives it.
QString WriteFailureText(const std::exception& error);

}  // namespace kirabel
