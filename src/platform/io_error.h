#pragma once
// A failed file operation, carrying the file name and the operating system's
// error code. Its text names the file and gives the system's reason in the
// program's own words.
#include <string>

#include "platform/errors.h"

namespace kirabel {

// The user-facing reason for an operating-system error code (errno):
// "ﾌｧｲﾙが見つかりません", "不正なﾌｧｲﾙ名です", "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます",
// "ﾌｧｲﾙへのｱｸｾｽが拒否されました", "ﾃﾞｨｽｸがいっぱいです", else "I/O ｴﾗｰ (%d)".
std::string IOErrorReason(int code);
// The same reason as a text to be translated, "%1" standing for the code.
const char* IOErrorReasonText(int code);

class FileIOError : public KirabelError {
 public:
  // Text: "<reason> (<fileName>)".
  FileIOError(const std::string& fileName, int code);
  const std::string& fileName() const { return fileName_; }
  int code() const { return code_; }

 private:
  std::string fileName_;
  int code_;
};

}  // namespace kirabel
