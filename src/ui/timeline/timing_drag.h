#pragma once
// Timing sets by hand: a set's birth time moved by a step (a key press), and
// a drag of its bar (the birth time) or of the bar's right end (the
// lifetime). The document follows every move of a drag, so the preview
// follows too, and the whole drag is one step of the history.
#include <QString>
#include <cstddef>

#include "document/set_change_step.h"
#include "model/particle.h"
#include "simulation/set_timing.h"

namespace kirabel {

class Document;
class ShowTime;

// Moves set `set`'s birth time by `delta` as one step named `step`; no step
// when the held value stays as it was.
void MoveBirthTime(Document& document, std::size_t set, long double delta, const QString& step);

class TimingDrag {
 public:
  enum class Part { kBar, kEnd };

  // `span` is the set's bar as shown when it was grabbed at list time
  // `grabTime`; a bar moves by the end nearer to that point.
  TimingDrag(Document& document, std::size_t set, Part part, const TimeSpan& span,
             long double grabTime, QString step);
  ~TimingDrag();
  TimingDrag(const TimingDrag&) = delete;
  TimingDrag& operator=(const TimingDrag&) = delete;

  // The pointer is at list time t: the set follows, its moving end snapped
  // by `clock` (no snapping when null) to a beat within beatReach or a frame.
  void moveTo(long double t, const ShowTime* clock, long double beatReach);
  // Ends the drag's step (the destructor does too).
  void finish();

  std::size_t set() const { return step_.set(); }

 private:
  // Where the moving end lands for the pointer at t.
  long double movedEnd(long double t, const ShowTime* clock, long double beatReach) const;
  Part part_;
  TimeSpan span_;
  long double grabTime_;
  bool movesBirth_;  // the bar's birth end snaps, else its death end
  SetChangeStep step_;
};

}  // namespace kirabel
