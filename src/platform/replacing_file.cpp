#include "platform/replacing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <utility>

#include "platform/io_error.h"

namespace kirabel {

namespace {

// The file a name stands for: a symbolic link is followed, so that the link
// stays and its target is replaced.
std::string ResolveLink(const std::string& name) {
  struct stat info;
  if (lstat(name.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return name;
  char* resolved = realpath(name.c_str(), nullptr);
  if (!resolved) return name;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

bool IsSpecialFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

// A new, empty file beside target, with the old file's permissions if there
// is one; returns its descriptor (-1 with errno set) and its name.
int CreateBeside(const std::string& target, std::string& name) {
  static std::atomic<unsigned> counter{0};
  const std::string prefix = FolderOf(target) + "/.kirabel-save-" + std::to_string(getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = prefix + std::to_string(counter++) + ".tmp";
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    struct stat old;
    if (fd >= 0 && stat(target.c_str(), &old) == 0) fchmod(fd, old.st_mode & 07777);
    return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

ReplacingFile::ReplacingFile(std::string name) : name_(std::move(name)) {
  target_ = ResolveLink(name_);
  errno = 0;
  if (IsSpecialFile(target_)) {
    file_ = std::fopen(target_.c_str(), "wb");
  } else {
    const int fd = CreateBeside(target_, temporary_);
    if (fd < 0) {
      temporary_.clear();
      Fail(errno);
    }
    file_ = fdopen(fd, "wb");
    if (!file_) close(fd);
  }
  if (!file_) Fail(errno);
}

ReplacingFile::~ReplacingFile() {
  Discard();
}

void ReplacingFile::Write(const void* data, std::size_t size) {
  errno = 0;
  if (size != 0 && std::fwrite(data, 1, size, file_) != size) Fail(errno);
}

void ReplacingFile::Commit(bool sync) {
  errno = 0;
  if (sync && (std::fflush(file_) != 0 || fsync(fileno(file_)) != 0)) Fail(errno);
  std::FILE* file = std::exchange(file_, nullptr);
  if (std::fclose(file) != 0) Fail(errno);
  if (temporary_.empty()) return;
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) Fail(errno);
  temporary_.clear();
  if (sync) SyncFolder(FolderOf(target_));
}

void ReplacingFile::Fail(int code) {
  Discard();
  throw FileIOError(name_, code != 0 ? code : EIO);
}

void ReplacingFile::Discard() {
  if (file_) std::fclose(std::exchange(file_, nullptr));
  if (!temporary_.empty()) std::remove(std::exchange(temporary_, std::string()).c_str());
}

}  // namespace kirabel
