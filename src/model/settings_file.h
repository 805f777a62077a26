#pragma once
// The program's settings file: window positions, options and the space
// resolution, kept from one run to the next. The record holds the values with
// their defaults; reading and writing go through the INI layer.
#include <cstdint>
#include <string>
#include <vector>

#include "model/options.h"

namespace kirabel {

struct Settings {
  // DESKTOP: window positions, the main window's, the timeline's and the
  // shell library's sizes
  // [screen pixels].
  int32_t mainWindowTop = 10;
  int32_t mainWindowLeft = 10;
  int32_t mainWindowWidth = 526;
  int32_t mainWindowHeight = 292;
  int32_t viewerTop = 20;
  int32_t viewerLeft = 20;
  int32_t setDialogTop = 30;
  int32_t setDialogLeft = 30;
  int32_t launchDialogTop = 50;
  int32_t launchDialogLeft = 50;
  int32_t timelineTop = 340;
  int32_t timelineLeft = 10;
  int32_t timelineWidth = 640;
  int32_t timelineHeight = 300;
  int32_t libraryTop = 60;
  int32_t libraryLeft = 560;
  int32_t libraryWidth = 560;
  int32_t libraryHeight = 420;
  // FILE
  std::string startFolder;  // starting folder of the open and save dialogs (UTF-8)
  // OPTION and RESOLUTION
  Options options;
  InterfaceOptions interfaceOptions;  // OPTION
  // RECENT: files last opened or saved, newest first (UTF-8 absolute paths)
  std::vector<std::string> recentFiles;
};

// Whether a settings file is there at all (an empty one counts): without
// one the program starts for the first time.
bool SettingsFileExists(const std::string& path);

// Reads the settings file; a missing or unreadable file, section or key, or a
// malformed value, gives the value in `defaults`.
Settings LoadSettingsFile(const std::string& path, Settings defaults = Settings());

// Writes every key in the order DESKTOP, FILE, OPTION, RESOLUTION, RECENT
// (the last only once there are recent files), in place,
// creating the file's folder when it is missing. Throws WriteError; the old
// file then stays as it was.
void SaveSettingsFile(const std::string& path, const Settings& settings);

// The settings file for an executable: its path with the extension ".INI"
// when the executable's folder is writable, else
// <xdgConfigHome or home/.config>/Kirabel/Kirabel.INI.
// Writes only the recent files into the settings file, leaving every other
// key as it is. Throws WriteError like SaveSettingsFile.
void SaveRecentFiles(const std::string& path, const std::vector<std::string>& recentFiles);

std::string ChooseSettingsFilePath(const std::string& executablePath,
                                   const std::string& xdgConfigHome, const std::string& home);

// ChooseSettingsFilePath for this running program (/proc/self/exe,
// $XDG_CONFIG_HOME, $HOME).
std::string SettingsFilePath();

}  // namespace kirabel
