#include "model/pcl_file.h"

#include <filesystem>

#include "platform/errors.h"
#include "platform/ini_file.h"

namespace kirabel {

namespace {

constexpr char kHeader[] = "HEADER";

std::string FolderOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}

// The number of sets the header announces; raises PclReadError when the file
// is refused.
int32_t AcceptedSetCount(const IniFile& ini) {
  if (ini.ReadString(kHeader, "ID", "NO_PCL") != "PCL") {
    std::error_code error;
    const bool missing = !std::filesystem::exists(ini.Path(), error) && !error;
    throw PclReadError(ini.Path(),
                       missing ? PclReadError::Reason::kMissing : PclReadError::Reason::kNotPcl);
  }
  const int32_t count = ini.ReadInteger(kHeader, "nSET", 0);
  if (count > kMaxPclSets) throw PclReadError(ini.Path(), PclReadError::Reason::kTooManySets);
  return count < 0 ? 0 : count;
}

// Reads the file's sets; a child that names no set of the file becomes -1.
ParticleList ReadSets(const IniFile& ini, int32_t count) {
  ParticleList sets(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    ParticleSet& set = sets[static_cast<std::size_t>(i)];
    set.LoadFromIni(ini, i);
    if (set.child < 0 || set.child >= count) set.child = -1;
  }
  return sets;
}

}  // namespace

PclContents ReadPclFile(const std::string& path) {
  const IniFile ini(path);
  const int32_t count = AcceptedSetCount(ini);
  PclContents contents;
  contents.sets = ReadSets(ini, count);
  contents.settings.LoadFromIni(ini);
  contents.path = AbsolutePath(path);
  contents.show.LoadFromIni(ini, FolderOf(contents.path));
  contents.look.LoadFromIni(ini, FolderOf(contents.path));
  return contents;
}

void AppendSets(ParticleList& list, ParticleList sets) {
  const auto base = static_cast<int32_t>(list.size());
  list.reserve(list.size() + sets.size());
  for (ParticleSet& set : sets) {
    if (set.child >= 0) set.child += base;
    list.push_back(std::move(set));
  }
}

void WriteListToIni(IniFile& ini, const ParticleList& list, const LaunchSettings& settings,
                    const ShowSettings& show, const Look& look) {
  ini.WriteString(kHeader, "ID", "PCL");
  ini.WriteString(kHeader, "VER", "0020");
  settings.SaveToIni(ini);
  ini.WriteInteger(kHeader, "nSET", static_cast<int32_t>(list.size()));
  for (std::size_t i = 0; i < list.size(); ++i) list[i].SaveToIni(ini, static_cast<int>(i));
  const std::string listFolder = FolderOf(AbsolutePath(ini.Path()));
  show.SaveToIni(ini, listFolder);
  look.SaveToIni(ini, listFolder);
}

void SaveListToFile(const std::string& path, const ParticleList& list,
                    const LaunchSettings& settings, const ShowSettings& show, const Look& look) {
  IniFile ini(path);
  WriteListToIni(ini, list, settings, show, look);
  ini.Save();
}

}  // namespace kirabel
