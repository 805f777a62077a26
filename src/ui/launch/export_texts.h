#pragma once
// What the desktop program says when an animation export fails.
#include <QString>
#include <exception>

namespace kirabel {

// The failure in the interface's language. A file that cannot be written, or
// an encoder that stopped on it, gives "<file> に書き込めません" with the reason
// on a second line; a missing encoder says how to get it.
QString ExportFailureText(const std::exception& error);
// The refusal of an animation of a space `size` ("0x64") without pixels.
QString EmptyAnimationText(const QString& size);

}  // namespace kirabel
