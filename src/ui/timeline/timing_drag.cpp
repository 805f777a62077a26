#include "ui/timeline/timing_drag.h"

#include <cmath>
#include <utility>

#include "document/document.h"
#include "model/list_commands.h"
#include "simulation/show_time.h"

namespace kirabel {

namespace {

bool HasSet(const Document& document, std::size_t set) {
  return set < document.sets().size();
}

}  // namespace

void MoveBirthTime(Document& document, std::size_t set, long double delta, const QString& step) {
  if (!HasSet(document, set)) return;
  const ParticleSet& current = document.sets()[set];
  const ParticleSet moved = WithTiming(current, current.birthTime + delta, current.lifetime);
  if (moved != current) document.apply(ReplaceSetCommand(set, moved), step);
}

TimingDrag::TimingDrag(Document& document, std::size_t set, Part part, const TimeSpan& span,
                       long double grabTime, QString step)
    : document_(document),
      set_(set),
      part_(part),
      span_(span),
      grabTime_(grabTime),
      movesBirth_(part == Part::kBar &&
                  std::fabs(grabTime - span.birth) <= std::fabs(span.death - grabTime)),
      original_(HasSet(document, set) ? document.sets()[set] : ParticleSet()),
      step_(std::move(step)) {}

TimingDrag::~TimingDrag() {
  finish();
}

long double TimingDrag::movedEnd(long double t, const ShowTime* clock,
                                 long double beatReach) const {
  const long double end = (movesBirth_ ? span_.birth : span_.death) + (t - grabTime_);
  return clock ? clock->Snap(end, beatReach) : end;
}

void TimingDrag::moveTo(long double t, const ShowTime* clock, long double beatReach) {
  const long double end = movedEnd(t, clock, beatReach);
  // The moving end's shift in list time; the set's own numbers shift alike.
  const long double shift = end - (movesBirth_ ? span_.birth : span_.death);
  if (part_ == Part::kBar) {
    apply(WithTiming(original_, original_.birthTime + shift, original_.lifetime));
  } else {
    apply(WithTiming(original_, original_.birthTime, original_.lifetime + shift));
  }
}

void TimingDrag::apply(const ParticleSet& changed) {
  if (!HasSet(document_, set_) || changed == document_.sets()[set_]) return;
  if (!stepOpen_) {
    document_.history().beginMacro(step_);
    stepOpen_ = true;
  }
  document_.apply(ReplaceSetCommand(set_, changed), step_);
}

void TimingDrag::finish() {
  if (!stepOpen_) return;
  stepOpen_ = false;
  QUndoStack& history = document_.history();
  history.endMacro();
  // A drag that ends where it began leaves no step behind: an obsolete
  // command is dropped from the history without being undone.
  if (HasSet(document_, set_) && document_.sets()[set_] == original_) {
    const_cast<QUndoCommand*>(history.command(history.index() - 1))->setObsolete(true);
    history.undo();
  }
}

}  // namespace kirabel
