#pragma once
// The text of an INI file with the writes made to it. The text as read is
// kept unchanged; writes are recorded beside it (values replaced where their
// key stands, lines appended to a section, new sections) and applied when the
// text is asked for, so that every other line stays byte for byte. Sections
// and keys are found regardless of ASCII case; of repeated ones the first
// counts. Keys are indexed per section the first time the section is used.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/name_index.h"

namespace kirabel {

class IniDocument {
 public:
  explicit IniDocument(std::string text);

  bool HasSection(std::string_view section) const;
  // The value bytes of a key: without surrounding blanks and one pair of
  // enclosing double quotes. Valid until the next Write.
  std::optional<std::string_view> Read(std::string_view section, std::string_view key);
  // Sets the value bytes of a key (which must hold no line break).
  void Write(std::string_view section, std::string_view key, std::string bytes);
  // Takes a key out of its section: its line, and the lines of any repeats of
  // it, leave the text. A missing key or section changes nothing.
  void Remove(std::string_view section, std::string_view key);
  // The whole text with every write applied.
  std::string Text() const;

 private:
  struct Lines {
    std::size_t begin, next;  // from a line's start to the start of the line after it
  };
  struct Key {
    bool inFile = false;                       // false for a key (re)added by a write
    bool removed = false;                      // taken out since it was read or written
    std::size_t valueBegin = 0, valueEnd = 0;  // the text after "=" in the file
    std::vector<Lines> lines;                  // its lines in the file: the first, then repeats
    const std::string* written = nullptr;      // the value bytes since a write
  };
  struct SectionKeys {
    NameIndex names;
    std::vector<Key> keys;
    std::vector<std::size_t> appended;  // keys added by writes, in order
  };
  struct Span {
    std::size_t bodyBegin, bodyEnd;  // the lines after the header; npos for a new section
  };
  struct Edit {
    std::size_t begin, end;
    std::string replacement;
  };

  void Parse();
  SectionKeys& Keys(std::size_t section);
  std::string_view Own(std::string value);
  std::size_t AppendPoint(const Span& span) const;
  std::string KeyLines(const SectionKeys& keys) const;
  std::vector<Edit> Edits() const;

  std::string text_;
  std::string newline_ = "\r\n";
  NameIndex sections_;
  std::vector<Span> spans_;
  std::unordered_map<std::size_t, SectionKeys> keys_;
  std::vector<std::size_t> newSections_;
  std::deque<std::string> strings_;  // owns the names and values of writes
};

}  // namespace kirabel
