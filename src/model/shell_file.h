#pragma once
// Shells: ready-made fireworks kept as PCL files. A shell's visible sets are
// its rising sets (normally one; several that fly alike when one burst needs
// two different children), every other set is launched only as a child. Its
// launch settings show the effect, and a SHELL section names it in Japanese
// (NAME) and, optionally, in English (NAMEEN) and in Latin letters as the
// Japanese name is read (NAMEROMAJI, "kiku"), so that it can be found by
// either.
#include <optional>
#include <string>

#include "model/launch_settings.h"
#include "model/look.h"
#include "model/particle.h"
#include "platform/errors.h"

namespace kirabel {

struct Shell {
  ParticleList sets;  // child links count within the shell; -1 for none
  LaunchSettings settings;
  Look look;                  // how its pictures are drawn
  std::string name;           // UTF-8
  std::string englishName;    // UTF-8; may be empty
  std::string romanisedName;  // ASCII; may be empty
};

// A PCL file that cannot be used as a shell.
class ShellError : public KirabelError {
 public:
  enum class Reason {
    kNoRisingSet,      // no visible set
    kBrokenChildLink,  // a child link names no set of the file
  };
  ShellError(Reason reason, int setIndex);
  Reason reason() const { return reason_; }
  // The set whose link is broken (kBrokenChildLink), else -1.
  int setIndex() const { return setIndex_; }

 private:
  Reason reason_;
  int setIndex_;
};

// The position of the first rising (visible) set; sets.size() when none.
std::size_t FirstRisingSet(const ParticleList& sets);

// Reads a shell. A file refused as a PCL file raises PclReadError; a PCL file
// without a visible set or with a child link outside the file raises
// ShellError. A shell without a NAME is named after its file.
Shell ReadShellFile(const std::string& path);

// The longest shell name, in characters: its file name and its NAME key stay
// well within what file systems and INI values hold.
constexpr std::size_t kMaxShellNameLength = 100;

// Writes the shell as a PCL file with its SHELL section, holding exactly this
// shell whatever the file held before; replaced atomically, WriteError on
// failure.
void WriteShellFile(const std::string& path, const Shell& shell);

// The set `index` and every set it launches (through child links,
// transitively, each once), in launch order with their links renumbered, as a
// shell whose only rising set is that set (made visible, the others hidden),
// with the launch settings but no automatic saving.
Shell ShellFromList(const ParticleList& list, std::size_t index, const LaunchSettings& settings);

// Moves every rising set by the same offset so that the first one starts at
// `column` on the space's bottom edge (y = spaceHeight) and, when given, is
// born at `birthTime`.
void PlaceShell(ParticleList& sets, long double column, long double spaceHeight,
                std::optional<long double> birthTime);

// A file name stem of ASCII letters, digits and '-' made from a shell's name
// ("Gold Willow" -> "gold-willow"); for a name without ASCII letters or
// digits, "shell-" and eight hex digits of a hash of the name, so that one
// name always gives the same file.
std::string ShellFileStem(const std::string& name);

}  // namespace kirabel
