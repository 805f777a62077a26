#include "platform/ini_document.h"

#include <algorithm>
#include <utility>

namespace kirabel {
namespace {

constexpr std::size_t npos = std::string::npos;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsLineBreak(char c) {
  return c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// One line of the text: [begin, end) without its line break; next is where
// the following line starts. CR LF, LF and CR alone each end a line.
struct LineSpan {
  std::size_t begin, end, next;
};

LineSpan LineAt(const std::string& text, std::size_t pos) {
  const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
  std::size_t next = end;
  if (next < text.size()) next += text.compare(next, 2, "\r\n") == 0 ? 2 : 1;
  return {pos, end, next};
}

// The line break the text uses first, kept for the lines a write adds.
std::string FirstLineBreak(const std::string& text) {
  const LineSpan first = LineAt(text, 0);
  if (first.end == first.next) return "\r\n";
  return text.substr(first.end, first.next - first.end);
}

std::string_view Content(const std::string& text, const LineSpan& line) {
  return std::string_view(text).substr(line.begin, line.end - line.begin);
}

// The name of a section header line "[name]", or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

std::string_view Unquote(std::string_view value) {
  value = Trim(value);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

IniDocument::IniDocument(std::string text) : text_(std::move(text)) {
  Parse();
}

void IniDocument::Parse() {
  newline_ = FirstLineBreak(text_);
  std::size_t current = npos;  // the section whose lines are being passed
  for (std::size_t pos = 0; pos < text_.size();) {
    const LineSpan line = LineAt(text_, pos);
    if (const auto name = SectionName(Content(text_, line))) {
      if (current != npos) spans_[current].bodyEnd = line.begin;
      const auto [number, added] = sections_.Insert(*name);
      current = added ? number : npos;  // later sections of the same name are ignored
      if (added) spans_.push_back({line.next, text_.size()});
    }
    pos = line.next;
  }
}

IniDocument::SectionKeys& IniDocument::Keys(std::size_t section) {
  const auto found = keys_.find(section);
  if (found != keys_.end()) return found->second;
  SectionKeys& keys = keys_[section];
  const Span span = spans_[section];
  for (std::size_t pos = span.bodyBegin; span.bodyBegin != npos && pos < span.bodyEnd;) {
    const LineSpan line = LineAt(text_, pos);
    const std::string_view content = Content(text_, line);
    const std::size_t equals = content.find('=');
    const std::string_view key = Trim(content.substr(0, equals));
    if (equals != std::string_view::npos && !key.empty() && key.front() != ';') {
      const auto [number, added] = keys.names.Insert(key);
      if (added) keys.keys.push_back({true, false, line.begin + equals + 1, line.end, {}, nullptr});
      keys.keys[number].lines.push_back({line.begin, line.next});
    }
    pos = line.next;
  }
  return keys;
}

std::string_view IniDocument::Own(std::string value) {
  strings_.push_back(std::move(value));
  return strings_.back();
}

bool IniDocument::HasSection(std::string_view section) const {
  return sections_.Find(section) != NameIndex::npos;
}

std::optional<std::string_view> IniDocument::Read(std::string_view section, std::string_view key) {
  const std::size_t s = sections_.Find(section);
  if (s == NameIndex::npos) return std::nullopt;
  SectionKeys& keys = Keys(s);
  const std::size_t k = keys.names.Find(key);
  if (k == NameIndex::npos) return std::nullopt;
  const Key& entry = keys.keys[k];
  if (entry.removed) return std::nullopt;
  if (entry.written) return Unquote(*entry.written);
  return Unquote(
      std::string_view(text_).substr(entry.valueBegin, entry.valueEnd - entry.valueBegin));
}

void IniDocument::Write(std::string_view section, std::string_view key, std::string bytes) {
  std::size_t s = sections_.Find(section);
  if (s == NameIndex::npos) {
    s = sections_.Insert(Own(std::string(section))).first;
    spans_.push_back({npos, npos});
    newSections_.push_back(s);
  }
  SectionKeys& keys = Keys(s);
  strings_.push_back(std::move(bytes));
  const std::string* value = &strings_.back();
  const std::size_t k = keys.names.Find(key);
  if (k != NameIndex::npos) {
    Key& entry = keys.keys[k];
    if (entry.removed) {  // back as a new line at the end of the section
      entry.inFile = false;
      entry.removed = false;
      keys.appended.push_back(k);
    }
    entry.written = value;
    return;
  }
  keys.names.Insert(Own(std::string(key)));
  keys.keys.push_back({false, false, 0, 0, {}, value});
  keys.appended.push_back(keys.keys.size() - 1);
}

void IniDocument::Remove(std::string_view section, std::string_view key) {
  const std::size_t s = sections_.Find(section);
  if (s == NameIndex::npos) return;
  SectionKeys& keys = Keys(s);
  const std::size_t k = keys.names.Find(key);
  if (k == NameIndex::npos || keys.keys[k].removed) return;
  keys.keys[k].removed = true;
  keys.keys[k].written = nullptr;
  keys.appended.erase(std::remove(keys.appended.begin(), keys.appended.end(), k),
                      keys.appended.end());
}

// Lines appended to a section go after its last non-blank line, so that a
// blank line before the next section stays where it is.
std::size_t IniDocument::AppendPoint(const Span& span) const {
  std::size_t end = span.bodyEnd;
  while (end > span.bodyBegin && (IsBlank(text_[end - 1]) || IsLineBreak(text_[end - 1]))) {
    --end;
  }
  if (end == span.bodyBegin) return end;
  const std::size_t previousBreak = text_.find_last_of("\r\n", end - 1);
  return LineAt(text_, previousBreak == npos ? 0 : previousBreak + 1).next;
}

std::string IniDocument::KeyLines(const SectionKeys& keys) const {
  std::string lines;
  for (std::size_t k : keys.appended) {
    lines += keys.names.Name(k);
    lines += '=';
    lines += *keys.keys[k].written;
    lines += newline_;
  }
  return lines;
}

std::vector<IniDocument::Edit> IniDocument::Edits() const {
  std::vector<Edit> edits;
  for (const auto& [section, keys] : keys_) {
    const Span& span = spans_[section];
    if (span.bodyBegin == npos) continue;
    for (const Key& key : keys.keys) {
      if (key.removed || !key.inFile) {  // lines of the file that a removal took out
        for (const Lines& line : key.lines) edits.push_back({line.begin, line.next, {}});
        continue;
      }
      if (!key.written) continue;
      std::size_t begin = key.valueBegin;
      while (begin < key.valueEnd && IsBlank(text_[begin])) ++begin;
      edits.push_back({begin, key.valueEnd, *key.written});
    }
    if (!keys.appended.empty()) {
      const std::size_t at = AppendPoint(span);
      std::string lines = KeyLines(keys);
      if (at > 0 && !IsLineBreak(text_[at - 1])) lines.insert(0, newline_);
      edits.push_back({at, at, std::move(lines)});
    }
  }
  // Stable: a value replaced at the very end of a section comes before the
  // lines appended there.
  std::stable_sort(edits.begin(), edits.end(),
                   [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
  return edits;
}

std::string IniDocument::Text() const {
  std::string out;
  out.reserve(text_.size());
  std::size_t pos = 0;
  for (const Edit& edit : Edits()) {
    out.append(text_, pos, edit.begin - pos);
    out += edit.replacement;
    pos = edit.end;
  }
  out.append(text_, pos, npos);
  for (std::size_t section : newSections_) {
    if (!out.empty() && !IsLineBreak(out.back())) out += newline_;
    out += '[';
    out += sections_.Name(section);
    out += ']';
    out += newline_;
    out += KeyLines(keys_.at(section));
  }
  return out;
}

}  // namespace kirabel
