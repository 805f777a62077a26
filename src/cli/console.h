#pragma once
// kirabel-render's output: texts in the user's language, numbers always in
// the program's own notation.
#include <QString>
#include <cstdio>
#include <string>

namespace kirabel::cli {

// Writes the text as UTF-8.
void Print(std::FILE* out, const QString& text);
// "kirabel-render: <message>" and a new line on stderr.
void PrintError(const QString& message);
// A file name or other bytes of the command line, for QString::arg().
QString FromLocal(const std::string& bytes);

}  // namespace kirabel::cli
