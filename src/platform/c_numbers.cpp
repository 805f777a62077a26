#include "platform/c_numbers.h"

#include <locale.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace kirabel {
namespace {

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

}  // namespace

std::string FormatNumbers(const char* format, ...) {
  const locale_t previous = uselocale(CLocale());
  char buffer[256];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  uselocale(previous);
  return length < 0 ? std::string()
                    : std::string(buffer, std::min<std::size_t>(length, sizeof buffer - 1));
}

long double ReadCReal(const char* text, char** end) {
  return strtold_l(text, end, CLocale());
}

}  // namespace kirabel
