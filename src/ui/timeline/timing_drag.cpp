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
    : part_(part),
      span_(span),
      grabTime_(grabTime),
      movesBirth_(part == Part::kBar &&
                  std::fabs(grabTime - span.birth) <= std::fabs(span.death - grabTime)),
      step_(document, set, std::move(step)) {}

TimingDrag::~TimingDrag() = default;

long double TimingDrag::movedEnd(long double t, const ShowTime* clock,
                                 long double beatReach) const {
  const long double end = (movesBirth_ ? span_.birth : span_.death) + (t - grabTime_);
  return clock ? clock->Snap(end, beatReach) : end;
}

void TimingDrag::moveTo(long double t, const ShowTime* clock, long double beatReach) {
  const long double end = movedEnd(t, clock, beatReach);
  // The moving end's shift in list time; the set's own numbers shift alike.
  const long double shift = end - (movesBirth_ ? span_.birth : span_.death);
  const ParticleSet& original = step_.original();
  if (part_ == Part::kBar) {
    step_.apply(WithTiming(original, original.birthTime + shift, original.lifetime));
  } else {
    step_.apply(WithTiming(original, original.birthTime, original.lifetime + shift));
  }
}

void TimingDrag::finish() {
  step_.finish();
}

}  // namespace kirabel
