#include "model/recent_files.h"

#include <algorithm>

#include "platform/ini_file.h"

namespace kirabel {
namespace {

constexpr char kRecent[] = "RECENT";

std::string KeyOf(std::size_t index) {
  return "File" + std::to_string(index + 1);
}

}  // namespace

std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path) {
  if (path.empty()) return list;
  list = WithoutRecentFile(std::move(list), path);
  list.insert(list.begin(), path);
  if (list.size() > kRecentFileCount) list.resize(kRecentFileCount);
  return list;
}

std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path) {
  list.erase(std::remove(list.begin(), list.end(), path), list.end());
  return list;
}

// Adding the oldest first leaves File1 in front and drops repeated names.
std::vector<std::string> ReadRecentFiles(const IniFile& ini) {
  std::vector<std::string> list;
  for (std::size_t i = kRecentFileCount; i-- > 0;)
    list = WithRecentFile(std::move(list), ini.ReadString(kRecent, KeyOf(i), std::string()));
  return list;
}

// Keys past the list's end are taken out, so that a shorter list never leaves
// an old name behind and a file keeps only the entries it holds.
void WriteRecentFiles(IniFile& ini, const std::vector<std::string>& list) {
  if (list.empty() && !ini.HasSection(kRecent)) return;
  for (std::size_t i = 0; i < kRecentFileCount; ++i) {
    if (i < list.size())
      ini.WriteString(kRecent, KeyOf(i), list[i]);
    else
      ini.RemoveKey(kRecent, KeyOf(i));
  }
}

}  // namespace kirabel
