#include "document/set_change_step.h"

#include <utility>

#include "document/document.h"
#include "model/list_commands.h"

namespace kirabel {

SetChangeStep::SetChangeStep(Document& document, std::size_t set, QString name)
    : document_(document),
      set_(set),
      original_(set < document.sets().size() ? document.sets()[set] : ParticleSet()),
      name_(std::move(name)) {}

SetChangeStep::~SetChangeStep() {
  finish();
}

bool SetChangeStep::hasSet() const {
  return set_ < document_.sets().size();
}

void SetChangeStep::apply(const ParticleSet& changed) {
  if (!hasSet() || changed == document_.sets()[set_]) return;
  if (!open_) {
    document_.history().beginMacro(name_);
    open_ = true;
  }
  document_.apply(ReplaceSetCommand(set_, changed), name_);
}

void SetChangeStep::finish() {
  if (!open_) return;
  open_ = false;
  QUndoStack& history = document_.history();
  history.endMacro();
  // An obsolete command is dropped from the history without being undone.
  if (hasSet() && document_.sets()[set_] == original_) {
    const_cast<QUndoCommand*>(history.command(history.index() - 1))->setObsolete(true);
    history.undo();
  }
}

}  // namespace kirabel
