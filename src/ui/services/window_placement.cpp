#include "ui/services/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/services/device_pixels.h"

namespace kirabel {

namespace {

// The strip at the top of a window that holds its title bar, and how wide a
// piece of it must lie on a screen to be taken hold of with the mouse.
constexpr int kTitleBarHeight = 24;
constexpr int kGripWidth = 32;
// No screen lies this far out; remembered places beyond it are bounded first,
// so that the rectangles' arithmetic cannot overflow.
constexpr int kFarAway = 1 << 20;
// Room between two windows placed side by side, for a frame not known yet.
constexpr int kBesideGap = 10;

bool TitleBarReachable(const QRect& window, const std::vector<QRect>& screens) {
  const QRect titleBar(window.topLeft(),
                       QSize(window.width(), qMin(kTitleBarHeight, window.height())));
  const int grip = qMin(kGripWidth, titleBar.width());
  return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
    const QRect shown = titleBar & screen;
    return !shown.isEmpty() && shown.width() >= grip;
  });
}

// How far apart two ranges [aBegin, aEnd) and [bBegin, bEnd) lie; 0 when they overlap.
qint64 Gap(qint64 aBegin, qint64 aEnd, qint64 bBegin, qint64 bEnd) {
  return std::max<qint64>({0, bBegin - aEnd, aBegin - bEnd});
}

// Squared distance between two rectangles; 0 when they overlap.
qint64 Distance(const QRect& a, const QRect& b) {
  const qint64 dx = Gap(a.x(), qint64(a.x()) + a.width(), b.x(), qint64(b.x()) + b.width());
  const qint64 dy = Gap(a.y(), qint64(a.y()) + a.height(), b.y(), qint64(b.y()) + b.height());
  return dx * dx + dy * dy;
}

// `start` moved the least so that [start, start + length) lies within the
// area [begin, begin + room), or at `begin` when it is longer than that.
int Within(int start, int length, int begin, int room) {
  return std::max(begin, std::min(start, begin + room - length));
}

std::vector<QRect> ScreenAreas() {
  std::vector<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens())
    areas.push_back(screen->availableGeometry());
  return areas;
}

QRect OuterRectangleAt(const QWidget& window, QPoint position) {
  const QPoint bounded(qBound(-kFarAway, position.x(), kFarAway),
                       qBound(-kFarAway, position.y(), kFarAway));
  return QRect(bounded, window.frameGeometry().size());
}

}  // namespace

QPoint ReachablePosition(const QRect& window, const std::vector<QRect>& screens) {
  const QRect outer(window.topLeft(), window.size().expandedTo(QSize(1, 1)));
  if (screens.empty() || TitleBarReachable(outer, screens)) return window.topLeft();
  const QRect& nearest = *std::min_element(
      screens.begin(), screens.end(),
      [&](const QRect& a, const QRect& b) { return Distance(outer, a) < Distance(outer, b); });
  return QPoint(Within(outer.x(), outer.width(), nearest.x(), nearest.width()),
                Within(outer.y(), outer.height(), nearest.y(), nearest.height()));
}

QPoint PositionBeside(const QRect& anchor, QSize window, const QRect& screen, int gap) {
  const int besideLeft = anchor.x() + anchor.width() + gap;
  return QPoint(Within(besideLeft, window.width(), screen.x(), screen.width()),
                Within(anchor.y(), window.height(), screen.y(), screen.height()));
}

void PlaceWindow(QWidget& window, QPoint position) {
  window.move(ReachablePosition(OuterRectangleAt(window, position), ScreenAreas()));
}

void PlaceWindowAtDevicePosition(QWidget& window, QPoint device) {
  PlaceWindow(window, ToLogicalPixels(device, ScaleAtDevicePoint(device)));
}

void KeepWindowReachable(QWidget& window) {
  const QPoint reachable = ReachablePosition(OuterRectangleAt(window, window.pos()), ScreenAreas());
  if (reachable != window.pos()) window.move(reachable);
}

void PlaceBeside(QWidget& window, const QWidget& anchor) {
  const QRect outer = anchor.frameGeometry();
  const QScreen* screen = QGuiApplication::screenAt(outer.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  window.move(PositionBeside(outer, window.frameGeometry().size(), screen->availableGeometry(),
                             kBesideGap));
}

}  // namespace kirabel
