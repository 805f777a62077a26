#include "ui/timeline/timeline_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <cmath>

#include "document/document.h"
#include "ui/timeline/timeline_painter.h"
#include "ui/timeline/timing_drag.h"

namespace kirabel {

namespace {

// One notch of the wheel zooms by this factor, up to kMostZoom times.
constexpr double kZoomStep = 1.25;
constexpr double kMostZoom = 100000;

}  // namespace

TimelineView::TimelineView(Document& document, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document), content_(document.data()) {
  setObjectName(QStringLiteral("timelineView"));
  setFocusPolicy(Qt::StrongFocus);
  for (auto signal :
       {&Document::setsChanged, &Document::launchSettingsChanged, &Document::showSettingsChanged})
    connect(&document_, signal, this, &TimelineView::reload);
  layoutRows();
}

TimelineView::~TimelineView() = default;

// The content is taken again as a whole; what the document does not hold
// (the soundtrack's outline, the playhead, the selection) stays.
void TimelineView::reload() {
  TimelineContent content(document_.data());
  content.waveform = std::move(content_.waveform);
  content.playhead = content_.playhead;
  if (content_.selectedSet && content.rowOf(*content_.selectedSet))
    content.selectedSet = content_.selectedSet;
  content_ = std::move(content);
  layoutRows();
}

void TimelineView::layoutRows() {
  geometry_.setTimes(content_.earliest, content_.latest);
  geometry_.setSize(viewport()->width(), viewport()->height());
  geometry_.setZoom(geometry_.zoom(), geometry_.pan());
  // The geometry holds the pan; the scroll bar only follows it here.
  const QSignalBlocker followOnly(horizontalScrollBar());
  horizontalScrollBar()->setRange(0, static_cast<int>(geometry_.panLimit()));
  horizontalScrollBar()->setPageStep(geometry_.timeRight() - geometry_.timeLeft());
  horizontalScrollBar()->setValue(static_cast<int>(geometry_.pan()));
  geometry_.setRows(content_.rows);
  const int page = std::max(viewport()->height() - TimelineGeometry::kRowsTop, 0);
  verticalScrollBar()->setPageStep(page);
  verticalScrollBar()->setSingleStep(TimelineGeometry::kBarHeight);
  verticalScrollBar()->setRange(0, std::max(geometry_.contentHeight() - page, 0));
  geometry_.setScroll(verticalScrollBar()->value());
  viewport()->update();
}

void TimelineView::setWaveform(std::shared_ptr<const Waveform> waveform) {
  content_.waveform = std::move(waveform);
  viewport()->update();
}

void TimelineView::setPlayhead(std::optional<long double> time) {
  content_.playhead = time;
  viewport()->update();
}

void TimelineView::showSelectedSet(std::optional<std::size_t> set) {
  const std::optional<std::size_t> row = set ? content_.rowOf(*set) : std::nullopt;
  content_.selectedSet = row ? set : std::nullopt;
  scrollToSelectedRow();
  viewport()->update();
}

// Scrolled so that the selected row shows whole. A hidden view has no size
// of its own yet: it scrolls when it shows.
void TimelineView::scrollToSelectedRow() {
  if (!isVisible() || !content_.selectedSet) return;
  const std::optional<std::size_t> row = content_.rowOf(*content_.selectedSet);
  if (!row) return;
  const QRect rect = geometry_.rowRect(*row);
  QScrollBar& scroll = *verticalScrollBar();
  if (rect.top() < TimelineGeometry::kRowsTop) {
    scroll.setValue(scroll.value() - (TimelineGeometry::kRowsTop - rect.top()));
  } else if (rect.bottom() > viewport()->height()) {
    scroll.setValue(scroll.value() + rect.bottom() - viewport()->height() + 1);
  }
}

void TimelineView::selectSomeRow() {
  if (!content_.selectedSet && !content_.rows.empty()) chooseRow(0);
}

void TimelineView::chooseRow(std::size_t row) {
  const std::size_t set = content_.rows[row].set;
  showSelectedSet(set);
  emit setChosen(set);
}

void TimelineView::stepRow(int direction) {
  if (content_.rows.empty()) return;
  const std::optional<std::size_t> row =
      content_.selectedSet ? content_.rowOf(*content_.selectedSet) : std::nullopt;
  if (!row) {
    chooseRow(0);
    return;
  }
  const auto last = static_cast<std::ptrdiff_t>(content_.rows.size()) - 1;
  chooseRow(static_cast<std::size_t>(
      std::clamp<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(*row) + direction, 0, last)));
}

void TimelineView::moveSelectedSet(long double delta) {
  if (content_.selectedSet && delta != 0 && !timingDrag_)
    MoveBirthTime(document_, *content_.selectedSet, delta, timingStep());
}

QString TimelineView::timingStep() const {
  return tr("タイミング", "undo step");
}

void TimelineView::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const int key = event->key();
  const int direction = key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
  if (direction != 0 && modifiers == Qt::ControlModifier) {
    moveSelectedSet(direction * content_.settings.frameInterval);
  } else if (direction != 0 && modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
    moveSelectedSet(direction * content_.clock.BeatLength());
  } else if ((key == Qt::Key_Up || key == Qt::Key_Down) && modifiers == Qt::NoModifier) {
    stepRow(key == Qt::Key_Down ? 1 : -1);
  } else {
    QAbstractScrollArea::keyPressEvent(event);
  }
}

void TimelineView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  PaintTimeline(painter, content_, geometry_, palette(), event->rect());
}

void TimelineView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  layoutRows();
  scrollToSelectedRow();
}

void TimelineView::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  scrollToSelectedRow();
}

void TimelineView::scrollContentsBy(int, int) {
  geometry_.setScroll(verticalScrollBar()->value());
  geometry_.setZoom(geometry_.zoom(), horizontalScrollBar()->value());
  viewport()->update();
}

// Ctrl and the wheel zoom about the pointer's time.
void TimelineView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  const double x = event->position().x();
  const long double t = geometry_.timeAt(x);
  const double zoom = std::clamp(
      geometry_.zoom() * std::pow(kZoomStep, event->angleDelta().y() / 120.0), 1.0, kMostZoom);
  geometry_.setZoom(zoom, geometry_.panKeeping(t, x, zoom));
  layoutRows();
}

}  // namespace kirabel
