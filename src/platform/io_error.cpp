#include "platform/io_error.h"

#include <cerrno>

namespace kirabel {

const char* IOErrorReasonText(int code) {
  switch (code) {
    case ENOENT:
      return KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "ﾌｧｲﾙが見つかりません");
    case EINVAL:
    case ENAMETOOLONG:
    case ENOTDIR:
    case EISDIR:
      return KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "不正なﾌｧｲﾙ名です");
    case EMFILE:
    case ENFILE:
      return KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます");
    case EACCES:
    case EPERM:
    case EROFS:
      return KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "ﾌｧｲﾙへのｱｸｾｽが拒否されました");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "ﾃﾞｨｽｸがいっぱいです");
    default:
      return KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "I/O ｴﾗｰ (%1)");
  }
}

std::string IOErrorReason(int code) {
  return FillIn(IOErrorReasonText(code), std::to_string(code));
}

FileIOError::FileIOError(const std::string& fileName, int code)
    : KirabelError(IOErrorReason(code) + " (" + fileName + ")"), fileName_(fileName), code_(code) {}

}  // namespace kirabel
