#pragma once
// Editing of the particle list as a whole: deleting a set, and cutting,
// copying and pasting through the internal one-set clipboard. Sets refer to
// their child by list position, so every removal and insertion renumbers the
// child links of all sets (and of the clipboard set) so that each link keeps
// designating the same set; a set whose child goes away loses its child.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "model/particle.h"

namespace kirabel {

// The internal clipboard: one set, not the system clipboard.
struct ParticleClipboard {
  ParticleSet set;    // the last set cut or copied; its child follows the list
  bool empty = true;  // true until the first cut or copy
};

// Asked before deleting a set that other sets name as their child; gets the
// name of the set to delete and answers whether it may go.
using ConfirmDeleteFn = std::function<bool(const std::string& setName)>;

// True when some set other than `index` names `index` as its child.
bool IsChildOfAnother(const ParticleList& list, std::size_t index);

// Removes set `index` and renumbers every child link, the clipboard's
// included. When another set names it as child, `confirm` is asked first and
// a refusal leaves everything untouched. Returns whether the set was removed.
// An index outside the list removes nothing.
bool DeleteSet(ParticleList& list, ParticleClipboard& clipboard, std::size_t index,
               const ConfirmDeleteFn& confirm);

// Copies set `index` into the clipboard and marks it full.
// Returns false (nothing copied) when `index` holds no set.
bool CopySet(const ParticleList& list, ParticleClipboard& clipboard, std::size_t index);

// Copies set `index` into the clipboard, then deletes it with the usual
// confirmation. The clipboard ends up full even when the deletion is declined.
// Returns false (nothing done) when `index` holds no set.
bool CutSet(ParticleList& list, ParticleClipboard& clipboard, std::size_t index,
            const ConfirmDeleteFn& confirm);

// The first of name, name', name'', ... that no set of the list bears, or
// nothing when a taken candidate already fills the 40-byte name limit.
std::optional<std::string> UniqueSetName(const ParticleList& list, const std::string& name);

enum class PasteResult {
  kPasted,
  kClipboardEmpty,  // nothing to paste
  kNamesExhausted,  // no unique name within 40 bytes: "名前を整理してください。"
};

// The set a paste inserts: a copy of the clipboard set with a unique name
// (and no child when its child names no set of the list, which was replaced
// since the copy). kPasted fills `pasted`.
PasteResult PreparePaste(const ParticleList& list, const ParticleClipboard& clipboard,
                         ParticleSet& pasted);

// Inserts a prepared set before position `position` (at the end when
// `position` is the list size or beyond) and shifts every child link at or
// after the insertion point, the new set's and the clipboard's included. A
// clipboard child that names no set of the list becomes -1 first, so it can
// never come back to life as sets are added.
void InsertPasted(ParticleList& list, ParticleClipboard& clipboard, std::size_t position,
                  ParticleSet pasted);

// PreparePaste, then InsertPasted.
PasteResult PasteSet(ParticleList& list, ParticleClipboard& clipboard, std::size_t position);

// Text shown when a pasted set cannot be given a unique name.
extern const char* const kTidyNamesMessage;

}  // namespace kirabel
