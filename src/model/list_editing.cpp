#include "model/list_editing.h"

#include "platform/sjis.h"

namespace kirabel {

const char* const kTidyNamesMessage = "名前を整理してください。";

namespace {

bool HoldsSet(const ParticleList& list, std::size_t index) {
  return index < list.size();
}

// Child links after set `removed` is gone: a link to it is cut, later links
// move down by one.
int32_t ChildAfterRemoval(int32_t child, int32_t removed) {
  if (child == removed) return -1;
  return child > removed ? child - 1 : child;
}

void RenumberAfterRemoval(ParticleList& list, ParticleClipboard& clipboard, int32_t removed) {
  for (ParticleSet& set : list) set.child = ChildAfterRemoval(set.child, removed);
  // The clipboard follows the list whether or not it is empty.
  if (clipboard.set.child == removed) {
    clipboard.empty = true;
  } else if (clipboard.set.child > removed) {
    --clipboard.set.child;
  }
}

std::size_t FileBytes(const std::string& name) {
  return EncodeFileText(name).size();
}

bool NameTaken(const ParticleList& list, const std::string& name) {
  for (const ParticleSet& set : list) {
    if (set.name == name) return true;
  }
  return false;
}

}  // namespace

bool IsChildOfAnother(const ParticleList& list, std::size_t index) {
  for (std::size_t j = 0; j < list.size(); ++j) {
    if (j != index && list[j].child >= 0 && static_cast<std::size_t>(list[j].child) == index) {
      return true;
    }
  }
  return false;
}

bool DeleteSet(ParticleList& list, ParticleClipboard& clipboard, std::size_t index,
               const ConfirmDeleteFn& confirm) {
  if (!HoldsSet(list, index)) return false;
  if (IsChildOfAnother(list, index) && !(confirm && confirm(list[index].name))) return false;
  RenumberAfterRemoval(list, clipboard, static_cast<int32_t>(index));
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

bool CopySet(const ParticleList& list, ParticleClipboard& clipboard, std::size_t index) {
  if (!HoldsSet(list, index)) return false;
  clipboard.set = list[index];
  clipboard.empty = false;
  return true;
}

bool CutSet(ParticleList& list, ParticleClipboard& clipboard, std::size_t index,
            const ConfirmDeleteFn& confirm) {
  if (!HoldsSet(list, index)) return false;
  clipboard.set = list[index];
  DeleteSet(list, clipboard, index, confirm);
  // Full again even if the deletion emptied it: it holds the set just cut.
  clipboard.empty = false;
  return true;
}

std::optional<std::string> UniqueSetName(const ParticleList& list, const std::string& name) {
  std::string candidate = name;
  while (NameTaken(list, candidate)) {
    if (FileBytes(candidate) >= kMaxNameBytes) return std::nullopt;
    candidate += '\'';
  }
  return candidate;
}

PasteResult PreparePaste(const ParticleList& list, const ParticleClipboard& clipboard,
                         ParticleSet& pasted) {
  if (clipboard.empty) return PasteResult::kClipboardEmpty;
  std::optional<std::string> name = UniqueSetName(list, clipboard.set.name);
  if (!name) return PasteResult::kNamesExhausted;
  pasted = clipboard.set;
  pasted.name = *name;
  if (!HoldsSet(list, static_cast<std::size_t>(pasted.child))) pasted.child = -1;
  return PasteResult::kPasted;
}

void InsertPasted(ParticleList& list, ParticleClipboard& clipboard, std::size_t position,
                  ParticleSet pasted) {
  if (position > list.size()) position = list.size();
  if (!HoldsSet(list, static_cast<std::size_t>(clipboard.set.child))) clipboard.set.child = -1;
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), std::move(pasted));
  const auto p = static_cast<int32_t>(position);
  for (ParticleSet& set : list) {
    if (set.child >= p) ++set.child;
  }
  if (clipboard.set.child >= p) ++clipboard.set.child;
}

PasteResult PasteSet(ParticleList& list, ParticleClipboard& clipboard, std::size_t position) {
  ParticleSet pasted;
  const PasteResult result = PreparePaste(list, clipboard, pasted);
  if (result == PasteResult::kPasted) InsertPasted(list, clipboard, position, std::move(pasted));
  return result;
}

}  // namespace kirabel
