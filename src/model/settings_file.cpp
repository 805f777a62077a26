#include "model/settings_file.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <utility>

#include "model/recent_files.h"
#include "platform/ini_file.h"

namespace kirabel {
namespace {

namespace fs = std::filesystem;

constexpr char kDesktop[] = "DESKTOP";
constexpr char kOption[] = "OPTION";
constexpr char kFile[] = "FILE";
constexpr char kResolution[] = "RESOLUTION";

// Reads or writes every key of one record through the same list, so that the
// two directions can never disagree on names or order.
template <typename Visitor>
void VisitKeys(Settings& s, Visitor&& visit) {
  visit(kDesktop, "Form1Top", s.mainWindowTop);
  visit(kDesktop, "Form1Left", s.mainWindowLeft);
  visit(kDesktop, "Form1Width", s.mainWindowWidth);
  visit(kDesktop, "Form1Height", s.mainWindowHeight);
  visit(kDesktop, "Form2Top", s.viewerTop);
  visit(kDesktop, "Form2Left", s.viewerLeft);
  visit(kDesktop, "Form3Top", s.setDialogTop);
  visit(kDesktop, "Form3Left", s.setDialogLeft);
  visit(kDesktop, "Form5Top", s.launchDialogTop);
  visit(kDesktop, "Form5Left", s.launchDialogLeft);
  visit(kDesktop, "TimelineTop", s.timelineTop);
  visit(kDesktop, "TimelineLeft", s.timelineLeft);
  visit(kDesktop, "TimelineWidth", s.timelineWidth);
  visit(kDesktop, "TimelineHeight", s.timelineHeight);
  visit(kDesktop, "LibraryTop", s.libraryTop);
  visit(kDesktop, "LibraryLeft", s.libraryLeft);
  visit(kDesktop, "LibraryWidth", s.libraryWidth);
  visit(kDesktop, "LibraryHeight", s.libraryHeight);
  visit(kFile, "InitialDir", s.startFolder);
  visit(kOption, "ColSizing", s.options.fitColumns);
  visit(kOption, "DispToolBar", s.interfaceOptions.showToolBar);
  visit(kOption, "AntiA", s.options.antiAliasing);
  visit(kOption, "LoopSpace", s.options.wrapSpace);
  visit(kOption, "TooMany", s.options.warningThreshold);
  visit(kOption, "Preview", s.options.preview);
  visit(kOption, "Language", s.interfaceOptions.language);
  visit(kOption, "Handles", s.interfaceOptions.showHandles);
  visit(kResolution, "X", s.options.resolutionWidth);
  visit(kResolution, "Y", s.options.resolutionHeight);
}

struct Reader {
  const IniFile& ini;
  void operator()(const char* section, const char* key, int32_t& value) const {
    value = ini.ReadInteger(section, key, value);
  }
  void operator()(const char* section, const char* key, bool& value) const {
    value = ini.ReadBool(section, key, value);
  }
  void operator()(const char* section, const char* key, std::string& value) const {
    value = ini.ReadString(section, key, value);
  }
  // A number that names no choice reads as the automatic one.
  void operator()(const char* section, const char* key, LanguageChoice& value) const {
    const int32_t number = ini.ReadInteger(section, key, static_cast<int32_t>(value));
    value = number >= 0 && number <= static_cast<int32_t>(LanguageChoice::kEnglish)
                ? static_cast<LanguageChoice>(number)
                : LanguageChoice::kAutomatic;
  }
};

struct Writer {
  IniFile& ini;
  void operator()(const char* section, const char* key, int32_t value) const {
    ini.WriteInteger(section, key, value);
  }
  void operator()(const char* section, const char* key, bool value) const {
    ini.WriteBool(section, key, value);
  }
  void operator()(const char* section, const char* key, const std::string& value) const {
    ini.WriteString(section, key, value);
  }
  void operator()(const char* section, const char* key, LanguageChoice value) const {
    ini.WriteInteger(section, key, static_cast<int32_t>(value));
  }
};

bool IsWritableFolder(const fs::path& folder) {
  return !folder.empty() && access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

bool SettingsFileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::exists(fs::path(path), error);
}

Settings LoadSettingsFile(const std::string& path, Settings defaults) {
  const IniFile ini(path);
  Settings settings = std::move(defaults);
  VisitKeys(settings, Reader{ini});
  settings.recentFiles = ReadRecentFiles(ini);
  return settings;
}

namespace {

// Opens the settings file for writing, its folder created when missing.
IniFile OpenForWriting(const std::string& path) {
  std::error_code ignored;
  const fs::path folder = fs::path(path).parent_path();
  if (!folder.empty()) fs::create_directories(folder, ignored);
  return IniFile(path);
}

}  // namespace

void SaveSettingsFile(const std::string& path, const Settings& settings) {
  IniFile ini = OpenForWriting(path);
  Settings copy = settings;
  VisitKeys(copy, Writer{ini});
  WriteRecentFiles(ini, settings.recentFiles);
  ini.Save();
}

void SaveRecentFiles(const std::string& path, const std::vector<std::string>& recentFiles) {
  IniFile ini = OpenForWriting(path);
  WriteRecentFiles(ini, recentFiles);
  ini.Save();
}

std::string ChooseSettingsFilePath(const std::string& executablePath,
                                   const std::string& xdgConfigHome, const std::string& home) {
  fs::path beside(executablePath);
  beside.replace_extension(".INI");
  if (!executablePath.empty() && IsWritableFolder(beside.parent_path())) return beside.string();
  // A relative $XDG_CONFIG_HOME is invalid and ignored.
  const fs::path xdg(xdgConfigHome);
  const fs::path config = xdg.is_absolute() ? xdg : fs::path(home) / ".config";
  return (config / "Kirabel" / "Kirabel.INI").string();
}

std::string SettingsFilePath() {
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  return ChooseSettingsFilePath(error ? std::string() : executable.string(), xdg ? xdg : "",
                                home ? home : "");
}

}  // namespace kirabel
