#pragma once
// Errors raised inside a command. Their what() is the UTF-8 text the user sees
// in the application's error box.
#include <stdexcept>
#include <string>

#include "platform/translatable.h"

namespace kirabel {

// The texts of the errors below; "%1" stands for the file.
inline constexpr char kWriteErrorText[] =
    KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "%1 に書き込めません");
inline constexpr char kOutOfMemoryText[] =
    KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "ﾒﾓﾘが足りません");

class KirabelError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be written: "<file> に書き込めません".
class WriteError : public KirabelError {
 public:
  explicit WriteError(const std::string& fileName)
      : KirabelError(FillIn(kWriteErrorText, fileName)), fileName_(fileName) {}
  const std::string& fileName() const { return fileName_; }

 private:
  std::string fileName_;
};

// Memory that could not be had for a buffer, a bitmap or the launch list.
class OutOfMemoryError : public KirabelError {
 public:
  OutOfMemoryError() : KirabelError(kOutOfMemoryText) {}
};

}  // namespace kirabel
