#pragma once
// Texts of the core that the Qt side shows in the user's language. The core
// takes such a text as it is (Japanese, the program's own words); the marker
// lets lupdate collect it, so that the translation catalogue and the core
// share one copy of each text (see cmake/KirabelTranslations.cmake).
#define KIRABEL_TRANSLATABLE(context, text) text

#include <string>

namespace kirabel {

// The text with its "%1" replaced by value, as QString::arg() would.
inline std::string FillIn(const std::string& text, const std::string& value) {
  const std::size_t at = text.find("%1");
  return at == std::string::npos ? text : text.substr(0, at) + value + text.substr(at + 2);
}

}  // namespace kirabel
