#include "ui/timeline/timeline_geometry.h"

#include <algorithm>
#include <cmath>

namespace kirabel {

void TimelineGeometry::setTimes(long double first, long double last) {
  first_ = first;
  // A launch of one frame, or one standing still, still gets a scale.
  last_ = last > first ? last : first + 1;
}

void TimelineGeometry::setSize(int width, int height) {
  width_ = width;
  height_ = height;
}

void TimelineGeometry::setRows(const std::vector<SetTiming>& rows) {
  tops_.assign(1, 0);
  tops_.reserve(rows.size() + 1);
  for (const SetTiming& row : rows) {
    const int height =
        2 * kRowPadding + kBarHeight + kGenerationHeight * static_cast<int>(row.generations.size());
    tops_.push_back(tops_.back() + height);
  }
}

void TimelineGeometry::setZoom(double zoom, double pan) {
  zoom_ = std::max(zoom, 1.0);
  pan_ = std::clamp(pan, 0.0, panLimit());
}

double TimelineGeometry::panLimit() const {
  return std::max(timeRight() - timeLeft(), 1) * (zoom_ - 1);
}

double TimelineGeometry::panKeeping(long double t, double x, double zoom) const {
  const long double perPixel = (last_ - first_) / std::max(timeRight() - timeLeft(), 1) / zoom;
  return static_cast<double>((t - first_) / perPixel) - (x - timeLeft());
}

double TimelineGeometry::xOf(long double t) const {
  const long double x = timeLeft() - pan_ + (t - first_) / timePerPixel();
  // Far-off times stay far off without overflowing the painter's integers.
  return static_cast<double>(std::clamp<long double>(x, -1e6L, 1e6L));
}

long double TimelineGeometry::timeAt(double x) const {
  return first_ + (static_cast<long double>(x) - timeLeft() + pan_) * timePerPixel();
}

long double TimelineGeometry::timePerPixel() const {
  return (last_ - first_) / std::max(timeRight() - timeLeft(), 1) / zoom_;
}

QRect TimelineGeometry::rowRect(std::size_t row) const {
  return QRect(0, kRowsTop + tops_[row] - scroll_, width_, tops_[row + 1] - tops_[row]);
}

QRect TimelineGeometry::spanRect(const TimeSpan& span, int top, int height) const {
  const int left = static_cast<int>(std::floor(xOf(span.birth)));
  const int right = static_cast<int>(std::ceil(xOf(span.death)));
  return QRect(left, top, std::max(right - left, 1), height);
}

QRect TimelineGeometry::barRect(std::size_t row, const TimeSpan& span) const {
  return spanRect(span, rowRect(row).top() + kRowPadding, kBarHeight);
}

QRect TimelineGeometry::generationRect(std::size_t row, std::size_t generation,
                                       const TimeSpan& span) const {
  const int top = rowRect(row).top() + kRowPadding + kBarHeight +
                  kGenerationHeight * static_cast<int>(generation) + 1;
  return spanRect(span, top, kGenerationHeight - 2);
}

std::optional<std::size_t> TimelineGeometry::rowAt(int y) const {
  if (y < kRowsTop || tops_.size() < 2) return std::nullopt;
  const int inside = y - kRowsTop + scroll_;
  const auto after = std::upper_bound(tops_.begin(), tops_.end(), inside);
  if (after == tops_.begin() || after == tops_.end()) return std::nullopt;
  return static_cast<std::size_t>(after - tops_.begin() - 1);
}

}  // namespace kirabel
