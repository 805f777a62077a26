#include "model/pcl_file.h"

#include <filesystem>

#include "platform/ini_file.h"

namespace kirabel {

const char kNotPclFileWarning[] = "変なファイルを指定しちゃだめ";

namespace {

constexpr char kHeader[] = "HEADER";

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}

// The number of sets the header announces, or -1 when the file is refused.
int32_t AcceptedSetCount(const IniFile& ini) {
  if (ini.ReadString(kHeader, "ID", "NO_PCL") != "PCL") return -1;
  const int32_t count = ini.ReadInteger(kHeader, "nSET", 0);
  if (count > kMaxPclSets) return -1;
  return count < 0 ? 0 : count;
}

// Reads the file's sets; a child that names no set of the file becomes -1,
// the others are shifted by base, the position of the first set in the list.
ParticleList ReadSets(const IniFile& ini, int32_t count, int32_t base) {
  ParticleList sets(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    ParticleSet& set = sets[static_cast<std::size_t>(i)];
    set.LoadFromIni(ini, i);
    set.child = (set.child < 0 || set.child >= count) ? -1 : set.child + base;
  }
  return sets;
}

}  // namespace

bool LoadListFromFile(const std::string& path, ParticleList& list, LaunchSettings& env,
                      PclLoadObserver* observer) {
  const IniFile ini(path);
  const int32_t count = AcceptedSetCount(ini);
  if (count < 0) {
    if (observer) observer->NotPclFile(path);
    return false;
  }
  const auto base = static_cast<int32_t>(list.size());
  ParticleList sets = ReadSets(ini, count, base);
  LaunchSettings read;
  read.LoadFromIni(ini);
  // Everything is read before anything changes, so that a failure (memory)
  // leaves the list and the settings as they were.
  list.reserve(list.size() + sets.size());
  if (observer) observer->FileNameChanged(AbsolutePath(path));
  env = std::move(read);
  for (ParticleSet& set : sets) list.push_back(std::move(set));
  if (observer && count > 0) observer->SetsAppended(base, count);
  return true;
}

void SaveListToFile(const std::string& path, const ParticleList& list, const LaunchSettings& env) {
  IniFile ini(path);
  ini.WriteString(kHeader, "ID", "PCL");
  ini.WriteString(kHeader, "VER", "0020");
  env.SaveToIni(ini);
  ini.WriteInteger(kHeader, "nSET", static_cast<int32_t>(list.size()));
  for (std::size_t i = 0; i < list.size(); ++i) list[i].SaveToIni(ini, static_cast<int>(i));
  ini.Save();
}

}  // namespace kirabel
