#pragma once
// Paints the timeline: the ruler (video seconds above, frame numbers below),
// the soundtrack's outline, the beat grid, the rows of sets with their bars,
// bursts and generations, and the playhead.
#include <QRect>

class QPainter;
class QPalette;

namespace kirabel {

struct TimelineContent;
class TimelineGeometry;

// Paints what lies within `exposed` (the rows outside it are skipped).
void PaintTimeline(QPainter& painter, const TimelineContent& content,
                   const TimelineGeometry& geometry, const QPalette& palette, QRect exposed);

}  // namespace kirabel
