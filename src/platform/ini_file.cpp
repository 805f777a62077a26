#include "platform/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <deque>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/errors.h"
#include "platform/ini_values.h"
#include "platform/sjis.h"

namespace kirabel {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Section and key names compare regardless of ASCII case.
struct NoCaseHash {
  std::size_t operator()(std::string_view s) const {
    std::size_t h = 1469598103934665603ull;
    for (char c : s) h = (h ^ static_cast<unsigned char>(AsciiLower(c))) * 1099511628211ull;
    return h;
  }
};
struct NoCaseEqual {
  bool operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
  }
};
template <typename T>
using NoCaseMap = std::unordered_map<std::string_view, T, NoCaseHash, NoCaseEqual>;

// One line of the text: [begin, end) without its line break; next is where
// the following line starts.
struct LineSpan {
  std::size_t begin, end, next;
};

LineSpan LineAt(const std::string& text, std::size_t pos) {
  const std::size_t newline = text.find('\n', pos);
  LineSpan line{pos, newline == std::string::npos ? text.size() : newline, 0};
  line.next = newline == std::string::npos ? text.size() : newline + 1;
  if (line.end > line.begin && text[line.end - 1] == '\r') --line.end;
  return line;
}

// The name of a section header line "[name]", or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

// The value read from the text after "=": trimmed, one pair of enclosing
// double quotes removed.
std::string_view Unquote(std::string_view value) {
  value = Trim(value);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

std::string WithoutLineBreaks(std::string value) {
  std::replace(value.begin(), value.end(), '\r', ' ');
  std::replace(value.begin(), value.end(), '\n', ' ');
  return value;
}

}  // namespace

// The file text as read, never changed, plus the writes made since: values
// replaced in place, lines appended to existing sections and new sections.
// Keys are indexed per section the first time the section is used, so that a
// large foreign file costs only what is looked at.
struct IniFile::Document {
  struct Key {
    bool inFile = false;                       // false for keys appended by a write
    std::size_t valueBegin = 0, valueEnd = 0;  // the text after "=" in the file
    const std::string* written = nullptr;      // the value bytes since a write
  };
  struct Section {
    std::size_t bodyBegin = 0, bodyEnd = 0;  // lines after the header in the file
    bool isNew = false;
    std::string name;  // new sections only
    bool indexed = false;
    NoCaseMap<Key> keys;
    std::vector<std::pair<std::string, const std::string*>> appended;  // new key lines
  };

  std::string text;
  std::string newline = "\r\n";
  std::deque<Section> sections;  // the first of each name, in file order, then new ones
  NoCaseMap<Section*> byName;
  std::deque<std::string> strings;  // owns the names and values of writes

  void Parse() {
    const std::size_t firstBreak = text.find('\n');
    if (firstBreak != std::string::npos && (firstBreak == 0 || text[firstBreak - 1] != '\r')) {
      newline = "\n";
    }
    Section* current = nullptr;
    for (std::size_t pos = 0; pos < text.size();) {
      const LineSpan line = LineAt(text, pos);
      const auto name =
          SectionName(std::string_view(text).substr(line.begin, line.end - line.begin));
      if (name) {
        if (current) current->bodyEnd = line.begin;
        current = nullptr;
        if (byName.find(*name) == byName.end()) {
          sections.emplace_back();
          current = &sections.back();
          current->bodyBegin = line.next;
          byName.emplace(*name, current);
        }
      }
      pos = line.next;
    }
    if (current) current->bodyEnd = text.size();
  }

  void Index(Section& section) {
    if (section.indexed) return;
    section.indexed = true;
    for (std::size_t pos = section.bodyBegin; pos < section.bodyEnd;) {
      const LineSpan line = LineAt(text, pos);
      const std::string_view content(text.data() + line.begin, line.end - line.begin);
      const std::size_t equals = content.find('=');
      const std::string_view key = Trim(content.substr(0, std::min(equals, content.size())));
      if (equals != std::string_view::npos && !key.empty() && key.front() != ';') {
        Key entry;
        entry.inFile = true;
        entry.valueBegin = line.begin + equals + 1;
        entry.valueEnd = line.end;
        section.keys.emplace(key, entry);  // the first of repeated keys counts
      }
      pos = line.next;
    }
  }

  Section* Find(std::string_view name) {
    const auto it = byName.find(name);
    if (it == byName.end()) return nullptr;
    Index(*it->second);
    return it->second;
  }

  const std::string* Own(std::string value) {
    strings.push_back(std::move(value));
    return &strings.back();
  }

  std::optional<std::string> Read(std::string_view sectionName, std::string_view keyName) {
    Section* section = Find(sectionName);
    if (!section) return std::nullopt;
    const auto it = section->keys.find(keyName);
    if (it == section->keys.end()) return std::nullopt;
    if (it->second.written) return std::string(Unquote(*it->second.written));
    return std::string(Unquote(std::string_view(text).substr(
        it->second.valueBegin, it->second.valueEnd - it->second.valueBegin)));
  }

  void Write(const std::string& sectionName, const std::string& keyName, std::string value) {
    Section* section = Find(sectionName);
    if (!section) {
      sections.emplace_back();
      section = &sections.back();
      section->isNew = true;
      section->indexed = true;
      section->name = sectionName;
      byName.emplace(section->name, section);
    }
    const std::string* bytes = Own(std::move(value));
    const auto it = section->keys.find(keyName);
    if (it != section->keys.end()) {
      it->second.written = bytes;
      return;
    }
    const std::string* key = Own(keyName);
    section->appended.emplace_back(*key, bytes);
    Key entry;
    entry.written = bytes;
    section->keys.emplace(*key, entry);
  }

  // Where lines appended to a section go: after its last non-blank line.
  std::size_t AppendPoint(const Section& section) const {
    std::size_t end = section.bodyEnd;
    while (end > section.bodyBegin) {
      const char c = text[end - 1];
      if (c != '\n' && c != '\r' && !IsBlank(c)) break;
      --end;
    }
    if (end == section.bodyBegin) return end;
    const std::size_t previousBreak = text.rfind('\n', end - 1);
    return LineAt(text, previousBreak == std::string::npos ? 0 : previousBreak + 1).next;
  }

  std::string AppendedLines(const Section& section) const {
    std::string lines;
    for (const auto& [key, value] : section.appended) {
      lines += key;
      lines += '=';
      lines += *value;
      lines += newline;
    }
    return lines;
  }

  std::string Serialize() const {
    // Edits to the file text, by position: replaced values and inserted lines.
    struct Edit {
      std::size_t begin, end;
      std::string replacement;
    };
    std::vector<Edit> edits;
    for (const Section& section : sections) {
      if (section.isNew) continue;
      for (const auto& [name, key] : section.keys) {
        if (!key.written || !key.inFile) continue;
        std::size_t begin = key.valueBegin;
        while (begin < key.valueEnd && IsBlank(text[begin])) ++begin;
        edits.push_back({begin, key.valueEnd, *key.written});
      }
      if (!section.appended.empty()) {
        const std::size_t at = AppendPoint(section);
        std::string lines = AppendedLines(section);
        if (at > 0 && text[at - 1] != '\n') lines.insert(0, newline);
        edits.push_back({at, at, std::move(lines)});
      }
    }
    // Stable: a value replaced at the very end of a section comes before the
    // lines appended there.
    std::stable_sort(edits.begin(), edits.end(),
                     [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (const Edit& edit : edits) {
      out.append(text, pos, edit.begin - pos);
      out += edit.replacement;
      pos = edit.end;
    }
    out.append(text, pos, std::string::npos);
    for (const Section& section : sections) {
      if (!section.isNew) continue;
      if (!out.empty() && out.back() != '\n') out += newline;
      out += '[' + section.name + ']' + newline;
      out += AppendedLines(section);
    }
    return out;
  }
};

IniFile::IniFile(std::string path) : path_(std::move(path)), doc_(std::make_unique<Document>()) {
  // O_NONBLOCK: a FIFO must not hang the program; only regular files are read.
  const int fd = open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    unreadable_ = errno != ENOENT;
    return;
  }
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    unreadable_ = true;
    close(fd);
    return;
  }
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) unreadable_ = true;
    if (n <= 0) break;
    doc_->text.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  if (unreadable_) doc_->text.clear();
  doc_->Parse();
}

IniFile::~IniFile() = default;

bool IniFile::HasSection(const std::string& section) const {
  return doc_->byName.find(section) != doc_->byName.end();
}

std::optional<std::string> IniFile::ReadRaw(const std::string& section,
                                            const std::string& key) const {
  return doc_->Read(section, key);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
  const auto raw = ReadRaw(section, key);
  if (!raw) return defaultValue;
  return DecodeFileText(*raw, kMaxIniValueBytes);
}

int32_t IniFile::ReadInteger(const std::string& section, const std::string& key,
                             int32_t defaultValue) const {
  const auto raw = ReadRaw(section, key);
  if (!raw) return defaultValue;
  return ParseIniInteger(raw->substr(0, kMaxIniValueBytes)).value_or(defaultValue);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key,
                       bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

long double IniFile::ReadReal(const std::string& section, const std::string& key,
                              long double defaultValue) const {
  const auto raw = ReadRaw(section, key);
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
  return doc_->Serialize();
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
