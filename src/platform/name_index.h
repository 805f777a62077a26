#pragma once
// Names numbered in the order they were first added, found regardless of
// ASCII letter case. Open addressing over one array, so that a file with
// millions of sections or keys costs a few bytes per name, not a heap node.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace kirabel {

bool EqualsNoCase(std::string_view a, std::string_view b);

class NameIndex {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  // The number of the name, or npos. The views handed to Insert must stay
  // valid as long as the index is used.
  std::size_t Find(std::string_view name) const;
  // Adds the name unless it is there already; returns its number and whether
  // it was added.
  std::pair<std::size_t, bool> Insert(std::string_view name);

  std::size_t size() const { return names_.size(); }
  std::string_view Name(std::size_t number) const { return names_[number]; }

 private:
  std::size_t Slot(std::string_view name) const;  // the slot holding name, or an empty one
  void Grow();

  std::vector<std::string_view> names_;
  std::vector<uint32_t> slots_;  // 0 = empty, else the name's number + 1
};

}  // namespace kirabel
