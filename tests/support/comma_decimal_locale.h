#pragma once
// Switches the process to a comma-decimal locale (German) for the life of the
// object, as a desktop session in that language does; available() is false
// when the system lacks that locale.
#include <clocale>
#include <string>

namespace kirabel::testing {

class CommaDecimalLocale {
 public:
  CommaDecimalLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
    available_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  }
  ~CommaDecimalLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
  CommaDecimalLocale(const CommaDecimalLocale&) = delete;
  CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

  bool available() const { return available_; }

 private:
  std::string previous_;
  bool available_ = false;
};

}  // namespace kirabel::testing
