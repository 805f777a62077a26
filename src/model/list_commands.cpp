#include "model/list_commands.h"

#include <algorithm>
#include <utility>

#include "model/pcl_file.h"
#include "model/set_seed.h"

namespace kirabel {

namespace {

RowChange Rows(RowChange::Kind kind, std::size_t first, std::size_t count) {
  return {kind, static_cast<int>(first), static_cast<int>(count)};
}

// The child links of the list and the clipboard, saved before a command that
// renumbers them and put back when it is reverted.
class SavedLinks {
 public:
  void Save(const DocumentData& data) {
    links_.clear();
    for (const ParticleSet& set : data.sets) links_.push_back(set.child);
    clipboard_ = data.clipboard;
  }
  // The list must have its size from before the command again.
  void Restore(DocumentData& data) const {
    for (std::size_t i = 0; i < links_.size() && i < data.sets.size(); ++i) {
      data.sets[i].child = links_[i];
    }
    data.clipboard = clipboard_;
  }

 private:
  std::vector<int32_t> links_;
  ParticleClipboard clipboard_;
};

void InsertAt(ParticleList& list, std::size_t index, ParticleSet set) {
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(index), std::move(set));
}

void EraseAt(ParticleList& list, std::size_t index) {
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
}

class Appending : public ListCommand {
 public:
  explicit Appending(ParticleSet set) : set_(std::move(set)) {}
  RowChange RowsToApply(const DocumentData& data) const override {
    return Rows(RowChange::Kind::kInsert, data.sets.size(), 1);
  }
  void Apply(DocumentData& data) override { data.sets.push_back(set_); }
  RowChange RowsToRevert(const DocumentData& data) const override {
    return Rows(RowChange::Kind::kRemove, data.sets.size() - 1, 1);
  }
  void Revert(DocumentData& data) override { data.sets.pop_back(); }

 private:
  ParticleSet set_;
};

class Replacing : public ListCommand {
 public:
  Replacing(std::size_t index, ParticleSet set) : index_(index), set_(std::move(set)) {}
  RowChange RowsToApply(const DocumentData&) const override {
    return Rows(RowChange::Kind::kUpdate, index_, 1);
  }
  void Apply(DocumentData& data) override { std::swap(data.sets.at(index_), set_); }
  RowChange RowsToRevert(const DocumentData& data) const override { return RowsToApply(data); }
  void Revert(DocumentData& data) override { Apply(data); }

 private:
  std::size_t index_;
  ParticleSet set_;  // the set the list does not hold now
};

// Removing a set, or cutting it (a copy into the clipboard first).
class Removing : public ListCommand {
 public:
  Removing(std::size_t index, bool cut) : index_(index), cut_(cut) {}
  RowChange RowsToApply(const DocumentData&) const override {
    return Rows(RowChange::Kind::kRemove, index_, 1);
  }
  void Apply(DocumentData& data) override {
    links_.Save(data);
    removed_ = data.sets.at(index_);
    const auto yes = [](const std::string&) { return true; };
    if (cut_) {
      CutSet(data.sets, data.clipboard, index_, yes);
    } else {
      DeleteSet(data.sets, data.clipboard, index_, yes);
    }
  }
  RowChange RowsToRevert(const DocumentData&) const override {
    return Rows(RowChange::Kind::kInsert, index_, 1);
  }
  void Revert(DocumentData& data) override {
    InsertAt(data.sets, index_, removed_);
    links_.Restore(data);
  }

 private:
  std::size_t index_;
  bool cut_;
  ParticleSet removed_;
  SavedLinks links_;
};

class Pasting : public ListCommand {
 public:
  Pasting(std::size_t position, ParticleSet pasted)
      : position_(position), pasted_(std::move(pasted)) {}
  RowChange RowsToApply(const DocumentData& data) const override {
    return Rows(RowChange::Kind::kInsert, std::min(position_, data.sets.size()), 1);
  }
  void Apply(DocumentData& data) override {
    links_.Save(data);
    position_ = std::min(position_, data.sets.size());
    InsertPasted(data.sets, data.clipboard, position_, pasted_);
  }
  RowChange RowsToRevert(const DocumentData&) const override {
    return Rows(RowChange::Kind::kRemove, position_, 1);
  }
  void Revert(DocumentData& data) override {
    EraseAt(data.sets, position_);
    links_.Restore(data);
  }

 private:
  std::size_t position_;
  ParticleSet pasted_;
  SavedLinks links_;
};

// Where index goes when the set at `from` moves to `to`.
int32_t MovedIndex(int32_t index, int32_t from, int32_t to) {
  if (index < 0) return index;
  if (index == from) return to;
  if (from < to && index > from && index <= to) return index - 1;
  if (to < from && index >= to && index < from) return index + 1;
  return index;
}

class Moving : public ListCommand {
 public:
  Moving(std::size_t from, std::size_t to) : from_(from), to_(to) {}
  RowChange RowsToApply(const DocumentData&) const override {
    return Rows(RowChange::Kind::kMove, from_, to_);
  }
  void Apply(DocumentData& data) override {
    links_.Save(data);
    ParticleSet moved = data.sets.at(from_);
    EraseAt(data.sets, from_);
    InsertAt(data.sets, to_, std::move(moved));
    const auto from = static_cast<int32_t>(from_), to = static_cast<int32_t>(to_);
    for (ParticleSet& set : data.sets) set.child = MovedIndex(set.child, from, to);
    data.clipboard.set.child = MovedIndex(data.clipboard.set.child, from, to);
  }
  RowChange RowsToRevert(const DocumentData&) const override {
    return Rows(RowChange::Kind::kMove, to_, from_);
  }
  void Revert(DocumentData& data) override {
    ParticleSet moved = data.sets.at(to_);
    EraseAt(data.sets, to_);
    InsertAt(data.sets, from_, std::move(moved));
    links_.Restore(data);
  }

 private:
  std::size_t from_, to_;
  SavedLinks links_;
};

// Swaps the list, the settings (when given) and the file name with the
// document's; swapping again reverts it.
class ListReplacing : public ListCommand {
 public:
  ListReplacing(ParticleList sets, std::optional<LaunchSettings> settings, std::string fileName,
                std::optional<ShowSettings> show, std::optional<Look> look)
      : sets_(std::move(sets)),
        settings_(std::move(settings)),
        fileName_(std::move(fileName)),
        show_(std::move(show)),
        look_(std::move(look)) {}
  RowChange RowsToApply(const DocumentData&) const override { return {}; }
  void Apply(DocumentData& data) override {
    std::swap(data.sets, sets_);
    if (settings_) std::swap(data.settings, *settings_);
    if (show_) std::swap(data.show, *show_);
    if (look_) std::swap(data.look, *look_);
    std::swap(data.fileName, fileName_);
  }
  RowChange RowsToRevert(const DocumentData&) const override { return {}; }
  void Revert(DocumentData& data) override { Apply(data); }
  bool ReplacesFile() const override { return true; }

 private:
  ParticleList sets_;
  std::optional<LaunchSettings> settings_;
  std::string fileName_;
  std::optional<ShowSettings> show_;
  std::optional<Look> look_;
};

// Whether any set of the list has no seed of its own yet.
bool AnySetWithoutSeed(const ParticleList& sets) {
  return std::any_of(sets.begin(), sets.end(),
                     [](const ParticleSet& set) { return set.Effects().seed == 0; });
}

// Swaps the launch settings with the document's; swapping again reverts it.
// Settings that turn own random streams on give every set without a seed a
// fresh one in the same step (the same seeds again when redone), so that
// each set keeps its particles from then on.
class SettingsChanging : public ListCommand {
 public:
  explicit SettingsChanging(LaunchSettings settings) : settings_(std::move(settings)) {}
  RowChange RowsToApply(const DocumentData& data) const override {
    if (!TurnsOwnRandomOn(data) || !AnySetWithoutSeed(data.sets)) return {RowChange::Kind::kNone};
    return Rows(RowChange::Kind::kUpdate, 0, data.sets.size());
  }
  void Apply(DocumentData& data) override {
    const bool seeding = TurnsOwnRandomOn(data);
    std::swap(data.settings, settings_);
    seeded_.clear();
    if (seeding) SeedSetsWithout(data.sets);
  }
  RowChange RowsToRevert(const DocumentData& data) const override {
    if (seeded_.empty()) return {RowChange::Kind::kNone};
    return Rows(RowChange::Kind::kUpdate, 0, data.sets.size());
  }
  void Revert(DocumentData& data) override {
    std::swap(data.settings, settings_);
    for (const std::size_t index : seeded_) SetSeed(data.sets.at(index), 0);
    seeded_.clear();
  }
  bool ChangesLaunchSettings() const override { return true; }

 private:
  bool TurnsOwnRandomOn(const DocumentData& data) const {
    return settings_.ownRandom && !data.settings.ownRandom;
  }
  static void SetSeed(ParticleSet& set, int32_t seed) {
    StarEffects effects = set.Effects();
    effects.seed = seed;
    set.SetEffects(effects);
  }
  void SeedSetsWithout(ParticleList& sets) {
    for (std::size_t i = 0; i < sets.size(); ++i) {
      if (sets[i].Effects().seed != 0) continue;
      if (seeded_.size() == seeds_.size()) seeds_.push_back(NewSetSeed());
      SetSeed(sets[i], seeds_[seeded_.size()]);
      seeded_.push_back(i);
    }
  }

  LaunchSettings settings_;          // the settings the document does not hold now
  std::vector<int32_t> seeds_;       // the seeds made, given again when redone
  std::vector<std::size_t> seeded_;  // the sets that got one
};

// Swaps the show's settings with the document's; swapping again reverts it.
class ShowChanging : public ListCommand {
 public:
  explicit ShowChanging(ShowSettings show) : show_(std::move(show)) {}
  RowChange RowsToApply(const DocumentData&) const override { return {RowChange::Kind::kNone}; }
  void Apply(DocumentData& data) override { std::swap(data.show, show_); }
  RowChange RowsToRevert(const DocumentData& data) const override { return RowsToApply(data); }
  void Revert(DocumentData& data) override { Apply(data); }
  bool ChangesLaunchSettings() const override { return false; }
  bool ChangesShow() const override { return true; }

 private:
  ShowSettings show_;  // the settings the document does not hold now
};

// Swaps the look with the document's; swapping again reverts it.
class LookChanging : public ListCommand {
 public:
  explicit LookChanging(Look look) : look_(std::move(look)) {}
  RowChange RowsToApply(const DocumentData&) const override { return {RowChange::Kind::kNone}; }
  void Apply(DocumentData& data) override { std::swap(data.look, look_); }
  RowChange RowsToRevert(const DocumentData& data) const override { return RowsToApply(data); }
  void Revert(DocumentData& data) override { Apply(data); }
  bool ChangesLaunchSettings() const override { return false; }
  bool ChangesShow() const override { return false; }
  bool ChangesLook() const override { return true; }

 private:
  Look look_;  // the look the document does not hold now
};

// Appends sets and, when given, swaps the launch settings with the
// document's; reverting takes the sets out and swaps them back.
class AppendingSets : public ListCommand {
 public:
  AppendingSets(ParticleList sets, std::optional<LaunchSettings> settings)
      : sets_(std::move(sets)), settings_(std::move(settings)) {}
  RowChange RowsToApply(const DocumentData& data) const override {
    return Rows(RowChange::Kind::kInsert, data.sets.size(), sets_.size());
  }
  void Apply(DocumentData& data) override {
    oldSize_ = data.sets.size();
    AppendSets(data.sets, sets_);
    if (settings_) std::swap(data.settings, *settings_);
  }
  RowChange RowsToRevert(const DocumentData&) const override {
    return Rows(RowChange::Kind::kRemove, oldSize_, sets_.size());
  }
  void Revert(DocumentData& data) override {
    data.sets.resize(oldSize_);
    if (settings_) std::swap(data.settings, *settings_);
  }
  bool ChangesLaunchSettings() const override { return settings_.has_value(); }

 private:
  ParticleList sets_;
  std::optional<LaunchSettings> settings_;  // the settings the document does not hold now
  std::size_t oldSize_ = 0;
};

class Merging : public ListCommand {
 public:
  Merging(ParticleList sets, LaunchSettings settings, std::string fileName, ShowSettings show,
          Look look)
      : sets_(std::move(sets)),
        settings_(std::move(settings)),
        fileName_(std::move(fileName)),
        show_(std::move(show)),
        look_(std::move(look)) {}
  RowChange RowsToApply(const DocumentData& data) const override {
    return Rows(RowChange::Kind::kInsert, data.sets.size(), sets_.size());
  }
  void Apply(DocumentData& data) override {
    oldSize_ = data.sets.size();
    AppendSets(data.sets, sets_);
    SwapFileParts(data);
  }
  RowChange RowsToRevert(const DocumentData&) const override {
    return Rows(RowChange::Kind::kRemove, oldSize_, sets_.size());
  }
  void Revert(DocumentData& data) override {
    data.sets.resize(oldSize_);
    SwapFileParts(data);
  }
  bool ReplacesFile() const override { return true; }

 private:
  void SwapFileParts(DocumentData& data) {
    std::swap(data.settings, settings_);
    std::swap(data.show, show_);
    std::swap(data.look, look_);
    std::swap(data.fileName, fileName_);
  }

  ParticleList sets_;
  LaunchSettings settings_;
  std::string fileName_;
  ShowSettings show_;
  Look look_;
  std::size_t oldSize_ = 0;
};

}  // namespace

std::unique_ptr<ListCommand> ChangeLaunchSettingsCommand(LaunchSettings settings) {
  return std::make_unique<SettingsChanging>(std::move(settings));
}

std::unique_ptr<ListCommand> ChangeShowCommand(ShowSettings show) {
  return std::make_unique<ShowChanging>(std::move(show));
}

std::unique_ptr<ListCommand> ChangeLookCommand(Look look) {
  return std::make_unique<LookChanging>(std::move(look));
}

std::unique_ptr<ListCommand> AppendSetCommand(ParticleSet set) {
  return std::make_unique<Appending>(std::move(set));
}

std::unique_ptr<ListCommand> ReplaceSetCommand(std::size_t index, ParticleSet set) {
  return std::make_unique<Replacing>(index, std::move(set));
}

std::unique_ptr<ListCommand> RemoveSetCommand(std::size_t index) {
  return std::make_unique<Removing>(index, false);
}

std::unique_ptr<ListCommand> CutSetCommand(std::size_t index) {
  return std::make_unique<Removing>(index, true);
}

std::unique_ptr<ListCommand> PasteSetCommand(std::size_t position, ParticleSet pasted) {
  return std::make_unique<Pasting>(position, std::move(pasted));
}

std::unique_ptr<ListCommand> MoveSetCommand(std::size_t from, std::size_t to) {
  return std::make_unique<Moving>(from, to);
}

std::unique_ptr<ListCommand> ReplaceListCommand(ParticleList sets,
                                                std::optional<LaunchSettings> settings,
                                                std::string fileName,
                                                std::optional<ShowSettings> show,
                                                std::optional<Look> look) {
  return std::make_unique<ListReplacing>(std::move(sets), std::move(settings), std::move(fileName),
                                         std::move(show), std::move(look));
}

std::unique_ptr<ListCommand> AppendSetsCommand(ParticleList sets,
                                               std::optional<LaunchSettings> settings) {
  return std::make_unique<AppendingSets>(std::move(sets), std::move(settings));
}

std::unique_ptr<ListCommand> MergeListCommand(ParticleList sets, LaunchSettings settings,
                                              std::string fileName, ShowSettings show, Look look) {
  return std::make_unique<Merging>(std::move(sets), std::move(settings), std::move(fileName),
                                   std::move(show), std::move(look));
}

}  // namespace kirabel
