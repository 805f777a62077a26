#include "platform/replacing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <utility>

#include "platform/errors.h"
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

bool IsPermissionError(int code) {
  return code == EACCES || code == EPERM || code == EROFS;
}

// What a plain write would allow: the system's permission check, and for
// everyone (root too) at least one write bit, the usual mark of a file its
// owner made read-only.
bool MayWrite(const std::string& path, const struct stat& info) {
  return (info.st_mode & 0222) != 0 && faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// A new, empty file beside target; returns its descriptor (-1 with errno
// set) and its name.
int CreateBeside(const std::string& target, std::string& name) {
  static std::atomic<unsigned> counter{0};
  const std::string prefix = FolderOf(target) + "/.kirabel-save-" + std::to_string(getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = prefix + std::to_string(counter++) + ".tmp";
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    return fd;
  }
  errno = EEXIST;
  return -1;
}

// The new file takes the old one's owner and group where the process may set
// them (else at least the group), then its mode.
void KeepOwnerAndMode(int fd, const struct stat& old) {
  if (fchown(fd, old.st_uid, old.st_gid) != 0)
    (void)!fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  fchmod(fd, old.st_mode & 07777);
}

}  // namespace

ReplacingFile::ReplacingFile(std::string name) : name_(std::move(name)) {
  target_ = ResolveLink(name_);
  struct stat old;
  const bool exists = stat(target_.c_str(), &old) == 0;
  // A name too long for the system would fail only when the new file takes it.
  if (!exists && errno == ENAMETOOLONG) Fail(ENAMETOOLONG);
  errno = 0;
  if (exists && !S_ISREG(old.st_mode)) {
    file_ = std::fopen(target_.c_str(), "wb");
    if (!file_) Fail(errno);
    return;
  }
  if (exists && !MayWrite(target_, old)) throw WriteError(name_);
  if (exists && old.st_nlink > 1) {
    OpenInPlace();
    return;
  }
  const int fd = CreateBeside(target_, temporary_);
  if (fd < 0) {
    const int code = errno;
    temporary_.clear();
    if (exists && IsPermissionError(code)) {
      OpenInPlace();
      return;
    }
    if (IsPermissionError(code)) throw WriteError(name_);
    Fail(code);
  }
  if (exists) KeepOwnerAndMode(fd, old);
  file_ = fdopen(fd, "wb");
  if (!file_) {
    const int code = errno;
    close(fd);
    Fail(code);
  }
}

ReplacingFile::~ReplacingFile() {
  Discard();
}

void ReplacingFile::OpenInPlace() {
  inPlace_ = open(target_.c_str(), O_WRONLY | O_CLOEXEC);
  if (inPlace_ >= 0) return;
  if (IsPermissionError(errno)) throw WriteError(name_);
  Fail(errno);
}

void ReplacingFile::Write(const void* data, std::size_t size) {
  if (inPlace_ >= 0) {
    pending_.append(static_cast<const char*>(data), size);
    return;
  }
  errno = 0;
  if (size != 0 && std::fwrite(data, 1, size, file_) != size) Fail(errno);
}

void ReplacingFile::Commit(bool sync) {
  if (inPlace_ >= 0) return CommitInPlace(sync);
  errno = 0;
  if (sync && (std::fflush(file_) != 0 || fsync(fileno(file_)) != 0)) Fail(errno);
  std::FILE* file = std::exchange(file_, nullptr);
  if (std::fclose(file) != 0) Fail(errno);
  if (temporary_.empty()) return;
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) Fail(errno);
  temporary_.clear();
  if (sync) SyncFolder(FolderOf(target_));
}

// Room for the whole content is reserved first, so that a full disk fails
// before a byte of the old content is overwritten.
void ReplacingFile::CommitInPlace(bool sync) {
  const off_t size = static_cast<off_t>(pending_.size());
  int code = size > 0 ? posix_fallocate(inPlace_, 0, size) : 0;
  if (code == EOPNOTSUPP) code = 0;
  for (off_t done = 0; code == 0 && done < size;) {
    const ssize_t written = pwrite(inPlace_, pending_.data() + done, size - done, done);
    if (written < 0 && errno != EINTR) code = errno;
    if (written > 0) done += written;
  }
  if (code == 0 && ftruncate(inPlace_, size) != 0) code = errno;
  if (code == 0 && sync && fsync(inPlace_) != 0) code = errno;
  if (close(std::exchange(inPlace_, -1)) != 0 && code == 0) code = errno;
  if (code != 0) Fail(code);
}

void ReplacingFile::Fail(int code) {
  Discard();
  throw FileIOError(name_, code != 0 ? code : EIO);
}

void ReplacingFile::Discard() {
  if (file_) std::fclose(std::exchange(file_, nullptr));
  if (inPlace_ >= 0) close(std::exchange(inPlace_, -1));
  if (!temporary_.empty()) std::remove(std::exchange(temporary_, std::string()).c_str());
}

}  // namespace kirabel
