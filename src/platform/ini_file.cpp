#include "platform/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <utility>

#include "platform/errors.h"
#include "platform/ini_document.h"
#include "platform/ini_values.h"
#include "platform/sjis.h"

namespace kirabel {
namespace {

std::string WithoutLineBreaks(std::string value) {
  std::replace(value.begin(), value.end(), '\r', ' ');
  std::replace(value.begin(), value.end(), '\n', ' ');
  return value;
}

// Reads a whole regular file. O_NONBLOCK: a FIFO must not hang the program.
// Returns false when the file exists but cannot be read.
bool ReadWholeFile(const std::string& path, std::string& text) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  if (ok) text.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  while (ok) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    text.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  if (!ok) text.clear();
  return ok;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  std::string text;
  unreadable_ = !ReadWholeFile(path_, text);
  doc_ = std::make_unique<IniDocument>(std::move(text));
}

IniFile::~IniFile() = default;

bool IniFile::HasSection(const std::string& section) const {
  return doc_->HasSection(section);
}

std::optional<std::string> IniFile::ReadRaw(const std::string& section,
                                            const std::string& key) const {
  const auto value = doc_->Read(section, key);
  if (!value) return std::nullopt;
  return std::string(*value);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
  const auto raw = doc_->Read(section, key);
  if (!raw) return defaultValue;
  return DecodeFileText(*raw, kMaxIniValueBytes);
}

int32_t IniFile::ReadInteger(const std::string& section, const std::string& key,
                             int32_t defaultValue) const {
  const auto raw = doc_->Read(section, key);
  if (!raw) return defaultValue;
  return ParseIniInteger(raw->substr(0, kMaxIniValueBytes)).value_or(defaultValue);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key,
                       bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

long double IniFile::ReadReal(const std::string& section, const std::string& key,
                              long double defaultValue) const {
  const auto raw = doc_->Read(section, key);
  if (!raw) return defaultValue;
  return ParseIniReal(raw->substr(0, kMaxIniValueBytes)).value_or(defaultValue);
}

void IniFile::WriteRaw(const std::string& section, const std::string& key,
                       const std::string& bytes) {
  doc_->Write(section, key, bytes);
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
  WriteRaw(section, key, EncodeFileText(WithoutLineBreaks(value)));
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  WriteRaw(section, key, FormatIniInteger(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteRaw(section, key, value ? "1" : "0");
}

void IniFile::WriteReal(const std::string& section, const std::string& key, long double value) {
  WriteRaw(section, key, FormatIniReal(value));
}

std::string IniFile::Text() const {
  return doc_->Text();
}

namespace {

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The file a save replaces: the target of a symbolic link, so that the link
// itself stays.
std::string ResolveTarget(const std::string& path) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char* resolved = realpath(path.c_str(), nullptr);
  if (!resolved) return path;
  std::string target(resolved);
  free(resolved);
  return target;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Creates a new, empty file in the folder of target (a short name, so that
// a target name near the length limit still works); returns its descriptor
// and name.
int CreateTemporary(const std::string& target, std::string& name) {
  static std::atomic<unsigned> counter{0};
  const std::string prefix = FolderOf(target) + "/.kirabel-save-" + std::to_string(getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = prefix + std::to_string(counter++) + ".tmp";
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

void IniFile::Save() const {
  // A file that exists but could not be read is never replaced by what little
  // this object knows of it.
  if (unreadable_) throw WriteError(path_);
  const std::string text = Text();
  const std::string target = ResolveTarget(path_);
  std::string temporary;
  const int fd = CreateTemporary(target, temporary);
  if (fd < 0) throw WriteError(path_);
  struct stat old;
  bool ok = true;
  if (stat(target.c_str(), &old) == 0) ok = fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, text) && fsync(fd) == 0;
  ok = (close(fd) == 0) && ok;
  ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    unlink(temporary.c_str());
    throw WriteError(path_);
  }
  SyncFolder(FolderOf(target));
}

}  // namespace kirabel
