#pragma once
// PCL files: one particle list together with the launch settings, in INI
// syntax (HEADER, ENV and one section "P%d" per set). Reading and writing work
// on plain records; what a window does alongside a load (grow the grid, extend
// the child choice list, show the file name, warn about a foreign file) is
// told to a PclLoadObserver.
#include <cstdint>
#include <string>

#include "model/launch_settings.h"
#include "model/particle.h"

namespace kirabel {

// The warning shown when a file is not a PCL file (or is refused as one).
extern const char kNotPclFileWarning[];  // "変なファイルを指定しちゃだめ"

// Largest set count a file may announce in HEADER nSET; a larger count is
// refused like a foreign file, so that a hostile header cannot exhaust memory.
constexpr int32_t kMaxPclSets = 100000;

class PclLoadObserver {
 public:
  virtual ~PclLoadObserver() = default;
  // The file is no PCL file (missing, unreadable, wrong ID, absurd nSET);
  // nothing has changed. The window shows kNotPclFileWarning.
  virtual void NotPclFile(const std::string& path) = 0;
  // The header was accepted: the file becomes the current file (setFileName).
  // fullPath is the absolute path of the file.
  virtual void FileNameChanged(const std::string& fullPath) = 0;
  // count (> 0) sets were appended at list positions firstIndex ..
  // firstIndex + count - 1: grow the grid and append their names to the child
  // choice list.
  virtual void SetsAppended(int firstIndex, int count) = 0;
};

// Appends the file's sets to list and replaces env with the file's ENV
// values. Returns false when the file is refused; list and env are then
// untouched. child indexes that name no set of the file become -1; the others
// are shifted by the number of sets already in the list. observer may be null.
bool LoadListFromFile(const std::string& path, ParticleList& list, LaunchSettings& env,
                      PclLoadObserver* observer);

// Writes list and env into the file, in place: every section and key it does
// not write (for instance the sets beyond the list of a longer older file)
// stays. The file is replaced atomically; on failure it is left exactly as it
// was and WriteError names it. The caller then calls setFileName.
void SaveListToFile(const std::string& path, const ParticleList& list, const LaunchSettings& env);

}  // namespace kirabel
