// What the pointer does on the timeline: choosing the time on the ruler,
// moving the soundtrack by its outline, choosing rows and timing sets by
// dragging their bars.
#include <QApplication>
#include <QMouseEvent>
#include <cmath>

#include "document/document.h"
#include "ui/timeline/timeline_view.h"
#include "ui/timeline/timing_drag.h"

namespace kirabel {

namespace {

// A beat pulls a dragged end from this far [pixels]; nearer, frames do.
constexpr double kBeatPull = 8;

enum class Lane { kRuler, kSoundtrack, kRows };

Lane LaneAt(int y) {
  if (y < TimelineGeometry::kRulerHeight) return Lane::kRuler;
  return y < TimelineGeometry::kRowsTop ? Lane::kSoundtrack : Lane::kRows;
}

}  // namespace

void TimelineView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  pressedAt_ = at;
  dragging_ = false;
  switch (LaneAt(at.y())) {
    case Lane::kRuler:
      choosingTime_ = true;
      emit timeChosen(geometry_.timeAt(at.x()));
      break;
    case Lane::kSoundtrack:
      if (!document_.showSettings().audio.empty() || content_.waveform) {
        soundtrackGrab_ = content_.clock.VideoSeconds(geometry_.timeAt(at.x()));
        soundtrackStart_ = content_.audioOffset;
      }
      break;
    case Lane::kRows:
      if (const std::optional<std::size_t> row = geometry_.rowAt(at.y())) {
        chooseRow(*row);
        startDrag(at, *row);
      }
      break;
  }
}

// A press on the bar moves it, one near its right end moves that end.
void TimelineView::startDrag(QPoint at, std::size_t row) {
  const SetTiming& timing = content_.rows[row];
  const QRect bar = geometry_.barRect(row, timing.span);
  const int grip = TimelineGeometry::kEndGrip;
  if (at.y() < bar.top() || at.y() > bar.bottom() || at.x() < bar.left() - grip ||
      at.x() > bar.right() + grip)
    return;
  const bool onEnd = std::abs(at.x() - bar.right()) <= grip;
  timingDrag_ = std::make_unique<TimingDrag>(
      document_, timing.set, onEnd ? TimingDrag::Part::kEnd : TimingDrag::Part::kBar, timing.span,
      geometry_.timeAt(at.x()), timingStep());
}

void TimelineView::mouseMoveEvent(QMouseEvent* event) {
  dragTo(event->position().toPoint(), event->modifiers());
}

void TimelineView::dragTo(QPoint at, Qt::KeyboardModifiers modifiers) {
  const long double t = geometry_.timeAt(at.x());
  if (choosingTime_) {
    emit timeChosen(t);
    return;
  }
  // A click only selects: nothing moves before the pointer does.
  dragging_ = dragging_ || (at - pressedAt_).manhattanLength() >= QApplication::startDragDistance();
  if (!dragging_) return;
  if (soundtrackGrab_) {
    content_.audioOffset = soundtrackStart_ + content_.clock.VideoSeconds(t) - *soundtrackGrab_;
    viewport()->update();
  } else if (timingDrag_) {
    const bool snapping = !(modifiers & Qt::AltModifier);
    timingDrag_->moveTo(t, snapping ? &content_.clock : nullptr,
                        kBeatPull * geometry_.timePerPixel());
  }
}

void TimelineView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragTo(event->position().toPoint(), event->modifiers());
  endDrag();
}

// A dialog opened mid-drag (F9) or another window taking the focus ends the
// drag where it is, as one whole step: the release may never come, and an
// open step would swallow the next unrelated change.
void TimelineView::focusOutEvent(QFocusEvent* event) {
  endDrag();
  QAbstractScrollArea::focusOutEvent(event);
}

// The soundtrack's new place is one step, to the millisecond.
void TimelineView::endDrag() {
  choosingTime_ = false;
  timingDrag_.reset();
  if (!soundtrackGrab_) return;
  soundtrackGrab_.reset();
  if (!dragging_) return;
  ShowSettings show = document_.showSettings();
  show.audioOffset = std::round(content_.audioOffset * 1000) / 1000;
  content_.audioOffset = document_.showSettings().audioOffset;
  document_.changeShowSettings(show, tr("サウンドトラックの位置", "undo step"));
  viewport()->update();
}

}  // namespace kirabel
