#pragma once
// Where the timeline puts things: the names' column at the left, the ruler
// and the soundtrack's lane at the top, the rows of sets below them (a bar,
// then one thin bar per generation), scrolled up and down; list time runs
// from left to right over the launch's frames.
#include <QRect>
#include <cstddef>
#include <optional>
#include <vector>

#include "simulation/set_timing.h"

namespace kirabel {

class TimelineGeometry {
 public:
  static constexpr int kNameWidth = 120;
  static constexpr int kRulerHeight = 34;
  static constexpr int kWaveHeight = 36;
  static constexpr int kRowsTop = kRulerHeight + kWaveHeight;
  static constexpr int kBarHeight = 14;
  static constexpr int kGenerationHeight = 6;
  static constexpr int kRowPadding = 3;
  // How close to a bar's right end a press takes that end.
  static constexpr int kEndGrip = 4;

  // The times at the left and right ends of the time area unzoomed, and the
  // widget's size.
  void setTimes(long double first, long double last);
  // Zoomed in `zoom` times (at least 1), the time area shifted left by `pan`
  // pixels (0 .. panLimit()).
  void setZoom(double zoom, double pan);
  double zoom() const { return zoom_; }
  double pan() const { return pan_; }
  double panLimit() const;
  // The pan that keeps time t at x under a zoom.
  double panKeeping(long double t, double x, double zoom) const;
  void setSize(int width, int height);
  // The rows' heights from their generations.
  void setRows(const std::vector<SetTiming>& rows);
  void setScroll(int scroll) { scroll_ = scroll; }

  double xOf(long double t) const;
  long double timeAt(double x) const;
  long double timePerPixel() const;
  int timeLeft() const { return kNameWidth + kMargin; }
  int timeRight() const { return width_ - kMargin; }
  int width() const { return width_; }
  int height() const { return height_; }

  // The rows' area on screen (below the lanes), their full height, and the
  // rectangle of a row and of its bar, on screen (scrolled).
  QRect rowsArea() const { return QRect(0, kRowsTop, width_, height_ - kRowsTop); }
  int contentHeight() const { return tops_.empty() ? 0 : tops_.back(); }
  QRect rowRect(std::size_t row) const;
  QRect barRect(std::size_t row, const TimeSpan& span) const;
  QRect generationRect(std::size_t row, std::size_t generation, const TimeSpan& span) const;
  std::optional<std::size_t> rowAt(int y) const;
  std::size_t rowCount() const { return tops_.empty() ? 0 : tops_.size() - 1; }

 private:
  static constexpr int kMargin = 8;
  QRect spanRect(const TimeSpan& span, int top, int height) const;

  long double first_ = 0, last_ = 1;
  double zoom_ = 1, pan_ = 0;
  int width_ = 0, height_ = 0, scroll_ = 0;
  std::vector<int> tops_;  // every row's top in the unscrolled rows, then the end
};

}  // namespace kirabel
