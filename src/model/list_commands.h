#pragma once
// Every change to a particle list as a small command object. A command applies
// its change to a document's data and can revert it exactly; it says before it
// applies which rows it inserts, removes or replaces, so that views can follow.
// Child links are renumbered as list editing does: every link keeps naming the
// same set, a link to a removed set is cut.
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "model/document_data.h"

namespace kirabel {

// The rows of a list a command changes.
struct RowChange {
  enum class Kind {
    kInsert,  // count rows inserted at first
    kRemove,  // count rows removed from first
    kUpdate,  // count rows from first replaced
    kMove,    // the row at first moved to count (its position afterwards)
    kReset,   // the whole list replaced
    kNone,    // no row changes (the launch settings alone)
  };
  Kind kind = Kind::kReset;
  int first = 0;
  int count = 0;
};

class ListCommand {
 public:
  virtual ~ListCommand() = default;
  // What Apply will do to the rows of data's list.
  virtual RowChange RowsToApply(const DocumentData& data) const = 0;
  virtual void Apply(DocumentData& data) = 0;
  // What Revert will do (the command was applied last).
  virtual RowChange RowsToRevert(const DocumentData& data) const = 0;
  virtual void Revert(DocumentData& data) = 0;
  // Whether the command replaces the launch settings and the current file.
  virtual bool ReplacesFile() const { return false; }
  // Whether the command changes the launch settings.
  virtual bool ChangesLaunchSettings() const { return ReplacesFile(); }
  // Whether the command changes the show's settings (rate, soundtrack, beats).
  virtual bool ChangesShow() const { return ReplacesFile(); }
  // Whether the command changes the look of the list's pictures.
  virtual bool ChangesLook() const { return ReplacesFile(); }
};

// A set added at the end of the list, as it is given.
std::unique_ptr<ListCommand> AppendSetCommand(ParticleSet set);
// Set `index` replaced by `set`.
std::unique_ptr<ListCommand> ReplaceSetCommand(std::size_t index, ParticleSet set);
// Set `index` removed; links to it are cut, and the clipboard empties when
// its set names the removed one.
std::unique_ptr<ListCommand> RemoveSetCommand(std::size_t index);
// Set `index` copied into the clipboard, then removed.
std::unique_ptr<ListCommand> CutSetCommand(std::size_t index);
// A prepared paste (PreparePaste) inserted before `position`.
std::unique_ptr<ListCommand> PasteSetCommand(std::size_t position, ParticleSet pasted);
// Set `from` moved to position `to`.
std::unique_ptr<ListCommand> MoveSetCommand(std::size_t from, std::size_t to);
// The whole list replaced, with the launch settings, the show's settings and
// the look (each kept when none are given) and the current file name: opening
// a file, or a new list.
std::unique_ptr<ListCommand> ReplaceListCommand(ParticleList sets,
                                                std::optional<LaunchSettings> settings,
                                                std::string fileName,
                                                std::optional<ShowSettings> show = std::nullopt,
                                                std::optional<Look> look = std::nullopt);
// The launch settings replaced. Settings that turn own random streams on
// also give every set without a seed a fresh one; otherwise the list stays.
std::unique_ptr<ListCommand> ChangeLaunchSettingsCommand(LaunchSettings settings);
// The show's settings replaced; the list and the launch settings stay.
std::unique_ptr<ListCommand> ChangeShowCommand(ShowSettings show);
// The look replaced; everything else stays.
std::unique_ptr<ListCommand> ChangeLookCommand(Look look);
// Sets appended at the end (their links counting within them), renumbered to
// name the appended copies, and the launch settings replaced when given:
// inserting a shell.
std::unique_ptr<ListCommand> AppendSetsCommand(
    ParticleList sets, std::optional<LaunchSettings> settings = std::nullopt);
// A file's sets appended (their links counting within the file), its launch
// settings, show settings, look and name taking the place of the document's.
std::unique_ptr<ListCommand> MergeListCommand(ParticleList sets, LaunchSettings settings,
                                              std::string fileName,
                                              ShowSettings show = ShowSettings(),
                                              Look look = Look());

}  // namespace kirabel
