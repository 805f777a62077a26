#pragma once
// An INI file held in memory, read and written with the private-profile
// rules: a missing file, section or key gives the caller's default; section
// and key names match regardless of ASCII case; a value is read without its
// surrounding blanks and one pair of enclosing double quotes, and at most
// kMaxIniValueBytes bytes of it; of repeated sections or keys the first
// counts. Writes change the text in memory in place (the value where the key
// stands, else a new line at the end of its section, else a new section at
// the end) and leave every other line as it was; Save() then replaces the file
// atomically.
// Reads index sections on first use, so one object must not be used by two
// threads at once.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace kirabel {

class IniDocument;

constexpr std::size_t kMaxIniValueBytes = 1023;

class IniFile {
 public:
  // Reads the whole file. A missing file reads as empty; so does an unreadable
  // one, but Save() then refuses to replace what it could not read.
  explicit IniFile(std::string path);
  // Starts from an empty file without reading the one at path: Save() then
  // replaces it with exactly what was written.
  struct Empty {};
  IniFile(std::string path, Empty);
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  const std::string& Path() const { return path_; }

  bool HasSection(const std::string& section) const;
  // The stored value bytes (trimmed, unquoted, uncut, not decoded), if the key
  // exists.
  std::optional<std::string> ReadRaw(const std::string& section, const std::string& key) const;

  // Text as UTF-8 (see DecodeFileText), cut to kMaxIniValueBytes file bytes.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // Integer forms of ParseIniInteger; anything else gives the default.
  int32_t ReadInteger(const std::string& section, const std::string& key,
                      int32_t defaultValue) const;
  // An integer; any non-zero value is true.
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
  // A real in the strict form of ParseIniReal; anything else gives the default.
  long double ReadReal(const std::string& section, const std::string& key,
                       long double defaultValue) const;

  // Stores UTF-8 text as Shift-JIS where it can (see EncodeFileText). Line
  // breaks inside the value become blanks, so a value can never add lines.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  void WriteReal(const std::string& section, const std::string& key, long double value);
  // Takes the key's line (and any repeats of it) out of its section.
  void RemoveKey(const std::string& section, const std::string& key);

  // The whole file text as it would be saved.
  std::string Text() const;

  // Writes the text to a temporary file in the same folder, flushes it to disk
  // and renames it over the file. On any failure the old file stays exactly as
  // it was and WriteError names Path().
  void Save() const;

 private:
  void WriteRaw(const std::string& section, const std::string& key, const std::string& bytes);

  std::string path_;
  bool unreadable_ = false;
  std::unique_ptr<IniDocument> doc_;
};

}  // namespace kirabel
