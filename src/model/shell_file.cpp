#include "model/shell_file.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>

#include "model/pcl_file.h"
#include "platform/ini_file.h"

namespace kirabel {

namespace {

constexpr char kShellSection[] = "SHELL";

// The first set whose link in the file names no set of it (ReadPclFile has
// already cut such links), or -1.
int FirstBrokenLink(const std::string& path, std::size_t count) {
  const IniFile ini(path);
  for (std::size_t i = 0; i < count; ++i) {
    const int32_t child = ini.ReadInteger("P" + std::to_string(i), "child", -1);
    if (child < -1 || child >= static_cast<int64_t>(count)) return static_cast<int>(i);
  }
  return -1;
}

// A name the section may go without: an empty one leaves no key.
void WriteOptionalName(IniFile& ini, const char* key, const std::string& name) {
  if (!name.empty()) ini.WriteString(kShellSection, key, name);
}

}  // namespace

std::size_t FirstRisingSet(const ParticleList& sets) {
  std::size_t index = 0;
  while (index < sets.size() && !sets[index].visible) ++index;
  return index;
}

ShellError::ShellError(Reason reason, int setIndex)
    : KirabelError(reason == Reason::kNoRisingSet ? "no visible set" : "broken child link"),
      reason_(reason),
      setIndex_(setIndex) {}

Shell ReadShellFile(const std::string& path) {
  PclContents contents = ReadPclFile(path);
  const int broken = FirstBrokenLink(path, contents.sets.size());
  if (broken >= 0) throw ShellError(ShellError::Reason::kBrokenChildLink, broken);
  if (FirstRisingSet(contents.sets) == contents.sets.size())
    throw ShellError(ShellError::Reason::kNoRisingSet, -1);
  const IniFile ini(path);
  Shell shell{std::move(contents.sets),
              contents.settings,
              contents.look,
              ini.ReadString(kShellSection, "NAME", ""),
              ini.ReadString(kShellSection, "NAMEEN", ""),
              ini.ReadString(kShellSection, "NAMEROMAJI", "")};
  if (shell.name.empty()) shell.name = std::filesystem::path(path).stem().string();
  return shell;
}

void WriteShellFile(const std::string& path, const Shell& shell) {
  // A fresh file: nothing of a shell saved there before (its sets beyond
  // this one's count, keys of another version) stays behind.
  IniFile ini(path, IniFile::Empty{});
  WriteListToIni(ini, shell.sets, shell.settings, ShowSettings(), shell.look);
  ini.WriteString(kShellSection, "NAME", shell.name);
  WriteOptionalName(ini, "NAMEEN", shell.englishName);
  WriteOptionalName(ini, "NAMEROMAJI", shell.romanisedName);
  ini.Save();
}

Shell ShellFromList(const ParticleList& list, std::size_t index, const LaunchSettings& settings) {
  std::map<int32_t, int32_t> newIndexOf;
  Shell shell{{}, settings, {}, {}, {}};
  // A shell shows its effect; it saves no frames of its own.
  shell.settings.autosave = false;
  shell.settings.autosaveName.clear();
  for (auto i = static_cast<int32_t>(index);
       i >= 0 && static_cast<std::size_t>(i) < list.size() && !newIndexOf.count(i);
       i = list[static_cast<std::size_t>(i)].child) {
    newIndexOf[i] = static_cast<int32_t>(shell.sets.size());
    shell.sets.push_back(list[static_cast<std::size_t>(i)]);
    shell.sets.back().visible = false;
  }
  for (ParticleSet& set : shell.sets) {
    const auto link = newIndexOf.find(set.child);
    set.child = link == newIndexOf.end() ? -1 : link->second;
  }
  if (!shell.sets.empty()) shell.sets.front().visible = true;
  return shell;
}

void PlaceShell(ParticleList& sets, long double column, long double spaceHeight,
                std::optional<long double> birthTime) {
  const std::size_t rising = FirstRisingSet(sets);
  if (rising == sets.size()) return;
  const ParticleSet& first = sets[rising];
  const long double dx = column - first.originX;
  const long double dy = spaceHeight - first.originY;
  const long double dt = birthTime ? *birthTime - first.birthTime : 0;
  for (ParticleSet& set : sets) {
    if (!set.visible) continue;
    set.originX += dx;
    set.originY += dy;
    set.birthTime += dt;
  }
}

std::string ShellFileStem(const std::string& name) {
  std::string stem;
  bool pendingDash = false;
  uint32_t hash = 2166136261u;  // FNV-1a, for names without any ASCII letter
  for (const char c : name) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!alnum) {
      pendingDash = !stem.empty();
      continue;
    }
    if (pendingDash) stem += '-';
    pendingDash = false;
    stem += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  if (!stem.empty()) return stem;
  char hex[16];
  std::snprintf(hex, sizeof hex, "%08x", hash);
  return std::string("shell-") + hex;
}

}  // namespace kirabel
