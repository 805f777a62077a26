#include "ui/timeline/timeline_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "ui/timeline/timeline_content.h"
#include "ui/timeline/timeline_geometry.h"

namespace kirabel {

namespace {

using Geometry = TimelineGeometry;

// The room between two labels of the ruler besides the longest label [pixels].
constexpr int kLabelRoom = 12;
// More labels than a screen can show are never drawn.
constexpr int kMostLabels = 4000;
// Beat lines closer than this are thinned out [pixels].
constexpr double kBeatLineGap = 4;

// The first step of 1, 2, 5, 10, 20, 50, ... (times `unit`) at least `gap`
// pixels wide, `pixelsPerUnit` being one unit's width.
double TickStep(double pixelsPerUnit, double gap, double unit) {
  double step = unit;
  for (int i = 0; step * pixelsPerUnit < gap && i < 60; ++i) {
    const double decade = std::pow(10.0, std::floor(std::log10(step / unit) + 1e-9));
    const double mantissa = step / unit / decade;
    step = unit * decade * (mantissa < 1.5 ? 2 : mantissa < 3 ? 5 : 10);
  }
  return step;
}

void PaintSecondsLine(QPainter& painter, const TimelineContent& content, const Geometry& geometry) {
  const ShowTime& clock = content.clock;
  const auto perSecond = static_cast<double>(clock.ListTimePerSecond() / geometry.timePerPixel());
  if (!(perSecond > 0)) return;
  const long double from = clock.VideoSeconds(geometry.timeAt(geometry.timeLeft()));
  const long double to = clock.VideoSeconds(geometry.timeAt(geometry.timeRight()));
  const QString longest = QString::fromStdString(VideoTimeText(std::max(-from, to) + 1));
  const double step =
      TickStep(perSecond, painter.fontMetrics().horizontalAdvance(longest) + kLabelRoom, 0.01);
  long double k = std::ceil(from / step);
  for (int count = 0; k * step <= to && count < kMostLabels; k += 1, ++count) {
    const long double seconds = k * step;
    const int x = static_cast<int>(std::lround(geometry.xOf(clock.ListTime(seconds))));
    painter.drawLine(x, 2, x, Geometry::kRulerHeight / 2 - 2);
    painter.drawText(x + 3, Geometry::kRulerHeight / 2 - 4,
                     QString::fromStdString(VideoTimeText(seconds)));
  }
}

void PaintFrameLine(QPainter& painter, const TimelineContent& content, const Geometry& geometry) {
  const long double interval = content.settings.frameInterval;
  if (!(interval > 0)) return;
  const double perFrame = static_cast<double>(interval / geometry.timePerPixel());
  const int gap =
      painter.fontMetrics().horizontalAdvance(QString::number(content.frameCount)) + kLabelRoom;
  const auto step = static_cast<int64_t>(TickStep(perFrame, gap, 1));
  const int base = Geometry::kRulerHeight - 2;
  // From the first labelled frame left of the time area (1, 1 + step, ...).
  const long double before = (geometry.timeAt(0) - content.firstTime) / interval;
  const auto skipped = static_cast<int64_t>(std::clamp<long double>(
      std::floor(before / step), 0, static_cast<long double>(content.frameCount)));
  for (int64_t frame = 1 + skipped * step, count = 0;
       frame <= content.frameCount && count < kMostLabels; frame += step, ++count) {
    const double x = geometry.xOf(content.clock.FrameTime(frame));
    if (x > geometry.timeRight()) break;
    const int ix = static_cast<int>(std::lround(x));
    painter.drawLine(ix, base - 6, ix, base);
    painter.drawText(ix + 3, base - 2, QString::number(frame));
  }
}

void PaintRuler(QPainter& painter, const TimelineContent& content, const Geometry& geometry,
                const QPalette& palette) {
  painter.setPen(palette.color(QPalette::ButtonText));
  PaintSecondsLine(painter, content, geometry);
  PaintFrameLine(painter, content, geometry);
}

// The lowest and highest sample of the buckets a column covers.
void PaintWaveform(QPainter& painter, const TimelineContent& content, const Geometry& geometry,
                   const QPalette& palette) {
  const QRect lane(0, Geometry::kRulerHeight, geometry.width(), Geometry::kWaveHeight);
  painter.fillRect(lane, palette.alternateBase());
  const Waveform* wave = content.waveform.get();
  if (!wave || wave->size() == 0 || !(wave->bucketSeconds > 0)) return;
  const ShowTime& clock = content.clock;
  const long double bucket = wave->bucketSeconds;
  const auto bucketAt = [&](double x) {
    const long double b = (clock.VideoSeconds(geometry.timeAt(x)) - content.audioOffset) / bucket;
    return static_cast<int64_t>(
        std::clamp<long double>(b, -1, static_cast<long double>(wave->size())));
  };
  const double middle = lane.center().y() + 0.5, half = lane.height() / 2.0 - 1;
  painter.setPen(palette.color(QPalette::Dark));
  for (int x = geometry.timeLeft(); x <= geometry.timeRight(); ++x) {
    const int64_t first = std::max<int64_t>(bucketAt(x), 0);
    const int64_t last = std::min<int64_t>(bucketAt(x + 1), static_cast<int64_t>(wave->size()) - 1);
    if (first > last) continue;
    float low = wave->low[first], high = wave->high[first];
    for (int64_t b = first + 1; b <= last; ++b) {
      low = std::min(low, wave->low[b]);
      high = std::max(high, wave->high[b]);
    }
    painter.drawLine(QPointF(x, middle - high * half), QPointF(x, middle - low * half));
  }
}

void PaintBeatLines(QPainter& painter, const TimelineContent& content, const Geometry& geometry) {
  const ShowTime& clock = content.clock;
  if (!clock.HasBeats()) return;
  const double spacing = static_cast<double>(clock.BeatLength() / geometry.timePerPixel());
  const auto every = static_cast<int64_t>(std::ceil(kBeatLineGap / std::max(spacing, 1e-9)));
  const long double right = geometry.timeAt(geometry.timeRight());
  int64_t beat = clock.NearestBeat(geometry.timeAt(geometry.timeLeft())).value_or(0);
  beat = std::max<int64_t>(beat - beat % every - every, 0);
  painter.setPen(QColor(80, 120, 220, 110));
  for (int count = 0; clock.BeatTime(beat) <= right && count < 100000; beat += every, ++count) {
    const double x = geometry.xOf(clock.BeatTime(beat));
    painter.drawLine(QPointF(x, Geometry::kRulerHeight), QPointF(x, geometry.height()));
  }
}

// A bar at the mean values; the spreads fade its ends in and out.
void PaintSpan(QPainter& painter, const Geometry& geometry, const TimeSpan& span, QRect bar,
               QColor colour) {
  const double from = geometry.xOf(span.birth - span.birthSpread);
  const double to = geometry.xOf(span.death + span.deathSpread);
  const double width = std::max(to - from, 1.0);
  const auto at = [&](long double t) {
    return std::clamp((geometry.xOf(t) - from) / width, 0.0, 1.0);
  };
  QColor clear = colour;
  clear.setAlpha(0);
  QLinearGradient fill(from, 0, from + width, 0);
  fill.setColorAt(0, span.birthSpread > 0 ? clear : colour);
  fill.setColorAt(at(span.birth + span.birthSpread), colour);
  fill.setColorAt(at(span.death - span.deathSpread), colour);
  fill.setColorAt(1, span.deathSpread > 0 ? clear : colour);
  painter.fillRect(QRectF(from, bar.top(), width, bar.height()), fill);
}

void PaintRow(QPainter& painter, const TimelineContent& content, const Geometry& geometry,
              const QPalette& palette, std::size_t row) {
  const SetTiming& timing = content.rows[row];
  const QRect rect = geometry.rowRect(row);
  const bool selected = content.selectedSet == timing.set;
  if (selected) painter.fillRect(rect, palette.highlight());
  const QRect bar = geometry.barRect(row, timing.span);
  painter.setClipRect(QRect(geometry.timeLeft(), geometry.rowsArea().top(),
                            geometry.timeRight() - geometry.timeLeft() + 1,
                            geometry.rowsArea().height()));
  // Lighter bars, outlined so that pale colours show on the light ground.
  painter.setPen(palette.color(QPalette::Mid));
  for (std::size_t g = 0; g < timing.generations.size(); ++g) {
    const GenerationSpan& generation = timing.generations[g];
    QColor light = content.colours[generation.set];
    light.setAlpha(120);
    const QRect thin = geometry.generationRect(row, g, generation.span);
    PaintSpan(painter, geometry, generation.span, thin, light);
    painter.drawRect(thin.adjusted(0, 0, -1, -1));
  }
  PaintSpan(painter, geometry, timing.span, bar, content.colours[timing.set]);
  painter.setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter.drawRect(bar.adjusted(0, 0, -1, -1));
  if (timing.bursts) {
    const int x = bar.right();
    const QPoint star[] = {{x, bar.top() - 2},
                           {x + 4, bar.center().y()},
                           {x, bar.bottom() + 2},
                           {x - 4, bar.center().y()}};
    painter.setBrush(palette.color(QPalette::BrightText));
    painter.drawPolygon(star, 4);
    painter.setBrush(Qt::NoBrush);
  }
  painter.setClipRect(geometry.rowsArea());
  const QRect name(4, rect.top(), Geometry::kNameWidth - 8,
                   Geometry::kBarHeight + 2 * Geometry::kRowPadding);
  painter.drawText(
      name, Qt::AlignVCenter | Qt::AlignLeft,
      painter.fontMetrics().elidedText(content.names[timing.set], Qt::ElideRight, name.width()));
}

void PaintRows(QPainter& painter, const TimelineContent& content, const Geometry& geometry,
               const QPalette& palette, QRect exposed) {
  const std::optional<std::size_t> first =
      geometry.rowAt(std::max(exposed.top(), Geometry::kRowsTop));
  if (!first) return;
  painter.save();
  painter.setClipRect(geometry.rowsArea());
  for (std::size_t row = *first; row < content.rows.size(); ++row) {
    if (geometry.rowRect(row).top() > exposed.bottom()) break;
    PaintRow(painter, content, geometry, palette, row);
  }
  painter.restore();
}

void PaintPlayhead(QPainter& painter, const TimelineContent& content, const Geometry& geometry) {
  if (!content.playhead) return;
  const double x = geometry.xOf(*content.playhead);
  painter.setPen(QPen(QColor(220, 40, 40), 1));
  painter.drawLine(QPointF(x, 0), QPointF(x, geometry.height()));
}

}  // namespace

void PaintTimeline(QPainter& painter, const TimelineContent& content,
                   const TimelineGeometry& geometry, const QPalette& palette, QRect exposed) {
  painter.fillRect(exposed, palette.base());
  painter.fillRect(QRect(0, 0, geometry.width(), Geometry::kRulerHeight), palette.button());
  // Times stay right of the names' column.
  const QRect times(Geometry::kNameWidth, 0, geometry.width() - Geometry::kNameWidth,
                    geometry.height());
  painter.setClipRect(times);
  PaintRuler(painter, content, geometry, palette);
  PaintWaveform(painter, content, geometry, palette);
  PaintBeatLines(painter, content, geometry);
  painter.setClipping(false);
  PaintRows(painter, content, geometry, palette, exposed);
  painter.setClipRect(times);
  PaintPlayhead(painter, content, geometry);
}

}  // namespace kirabel
