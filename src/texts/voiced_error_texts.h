#pragma once
// The errors each program words in its own way; ErrorText asks these first
// and words the rest alike for both programs.
#include <QString>
#include <exception>
#include <optional>

#include "texts/error_texts.h"

namespace kirabel {

// The desktop program's words (Japanese in the code) for a frame, encoder or
// particle count error; nothing for the errors both programs share.
std::optional<QString> WindowErrorText(const std::exception& error, ErrorVoice voice);
// kirabel-render's words (English in the code) for a frame, encoder, particle
// count or PCL file error; nothing for the errors both programs share.
std::optional<QString> CommandLineErrorText(const std::exception& error);

// "<file> に書き込めません", and the reason on a second line when one is given.
QString CannotWriteText(const QString& fileName, const QString& reason = QString());

// The cause a frame error was raised for (std::throw_with_nested); nothing
// when it carries none.
std::optional<QString> NestedCauseText(const std::exception& error, ErrorVoice voice);

}  // namespace kirabel
