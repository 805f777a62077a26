#pragma once
// The list of files last opened or saved, newest first, kept in the settings
// file so that the file menu can offer them again in the next run.
#include <string>
#include <vector>

namespace kirabel {

class IniFile;

constexpr std::size_t kRecentFileCount = 8;

// The list with `path` moved (or added) to the front, without duplicates and
// cut to kRecentFileCount entries. An empty path leaves the list as it is.
std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path);

// The list without `path`.
std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path);

// Reads the list from its own section; missing or empty keys are skipped.
std::vector<std::string> ReadRecentFiles(const IniFile& ini);

// Writes the list to its own section, after every other section of a new
// file, as File1= onwards, and takes out the keys past its end. A file without
// the section and an empty list stays untouched, so a run that never opens a
// file writes the settings file as it always did.
void WriteRecentFiles(IniFile& ini, const std::vector<std::string>& list);

}  // namespace kirabel
