#pragma once
// Numbers in the program's own notation: "." is the decimal point whatever
// the process locale says (a desktop session in a comma-decimal language
// sets one for the whole process).
#include <string>

namespace kirabel {

// printf-style formatting in the "C" locale.
std::string FormatNumbers(const char* format, ...) __attribute__((format(printf, 1, 2)));

// strtold in the "C" locale (errno and end as strtold sets them).
long double ReadCReal(const char* text, char** end);

}  // namespace kirabel
