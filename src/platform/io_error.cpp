#include "platform/io_error.h"

#include <cerrno>

namespace kirabel {

std::string IOErrorReason(int code) {
  switch (code) {
    case ENOENT:
      return "ﾌｧｲﾙが見つかりません";
    case EINVAL:
    case ENAMETOOLONG:
    case ENOTDIR:
    case EISDIR:
      return "不正なﾌｧｲﾙ名です";
    case EMFILE:
    case ENFILE:
      return "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます";
    case EACCES:
    case EPERM:
    case EROFS:
      return "ﾌｧｲﾙへのｱｸｾｽが拒否されました";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return "ﾃﾞｨｽｸがいっぱいです";
    default:
      return "I/O ｴﾗｰ (" + std::to_string(code) + ")";
  }
}

FileIOError::FileIOError(const std::string& fileName, int code)
    : KirabelError(IOErrorReason(code) + " (" + fileName + ")"), fileName_(fileName), code_(code) {}

}  // namespace kirabel
