#include "platform/name_index.h"

#include <new>

namespace kirabel {
namespace {

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::size_t HashNoCase(std::string_view s) {
  uint64_t h = 1469598103934665603ull;  // FNV-1a
  for (char c : s) h = (h ^ static_cast<unsigned char>(AsciiLower(c))) * 1099511628211ull;
  return static_cast<std::size_t>(h ^ (h >> 29));
}

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::size_t NameIndex::Slot(std::string_view name) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = HashNoCase(name) & mask;; slot = (slot + 1) & mask) {
    const uint32_t entry = slots_[slot];
    if (entry == 0 || EqualsNoCase(names_[entry - 1], name)) return slot;
  }
}

std::size_t NameIndex::Find(std::string_view name) const {
  if (slots_.empty()) return npos;
  const uint32_t entry = slots_[Slot(name)];
  return entry == 0 ? npos : entry - 1;
}

std::pair<std::size_t, bool> NameIndex::Insert(std::string_view name) {
  if ((names_.size() + 1) * 2 > slots_.size()) Grow();
  const std::size_t slot = Slot(name);
  if (slots_[slot] != 0) return {slots_[slot] - 1, false};
  names_.push_back(name);
  slots_[slot] = static_cast<uint32_t>(names_.size());
  return {names_.size() - 1, true};
}

void NameIndex::Grow() {
  if (names_.size() >= 0x7FFFFFFFu) throw std::bad_alloc();
  slots_.assign(slots_.empty() ? 16 : slots_.size() * 2, 0);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    std::size_t slot = HashNoCase(names_[i]) & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = static_cast<uint32_t>(i + 1);
  }
}

}  // namespace kirabel
