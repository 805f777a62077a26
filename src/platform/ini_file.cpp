#include "platform/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/errors.h"
#include "platform/ini_document.h"
#include "platform/ini_values.h"
#include "platform/replacing_file.h"
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

IniFile::IniFile(std::string path, Empty)
    : path_(std::move(path)), doc_(std::make_unique<IniDocument>(std::string())) {}

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

void IniFile::RemoveKey(const std::string& section, const std::string& key) {
  doc_->Remove(section, key);
}

std::string IniFile::Text() const {
  return doc_->Text();
}

void IniFile::Save() const {
  // A file that exists but could not be read is never replaced by what little
  // this object knows of it.
  if (unreadable_) throw WriteError(path_);
  const std::string text = Text();
  try {
    ReplacingFile file(path_);
    file.Write(text.data(), text.size());
    file.Commit(/*sync=*/true);
  } catch (const KirabelError&) {
    throw WriteError(path_);
  }
}

}  // namespace kirabel
