#pragma once
// Limits the size of files this process may write, as a full disk would,
// turning the limit's signal into a plain write error; undone when it goes.
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

namespace kirabel::testing {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

// How many entries a folder holds.
inline int FilesIn(const std::filesystem::path& folder) {
  int count = 0;
  for (auto it = std::filesystem::directory_iterator(folder);
       it != std::filesystem::directory_iterator(); ++it) {
    ++count;
  }
  return count;
}

}  // namespace kirabel::testing
