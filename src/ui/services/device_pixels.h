#pragma once
// Window places and sizes in device pixels, as the window system counts them
// and as the settings file keeps them. Qt works in logical pixels, which each
// screen scales by its device pixel ratio about its top-left corner, a point
// both units share: device = origin + (logical - origin) * ratio.
#include <QPoint>
#include <QSize>

class QWidget;

namespace kirabel {

// How one screen maps its logical pixels to device pixels.
struct ScreenScale {
  QPoint origin;
  qreal ratio = 1.0;
};

QPoint ToDevicePixels(QPoint logical, const ScreenScale& scale);
QPoint ToLogicalPixels(QPoint device, const ScreenScale& scale);
QSize ToDevicePixels(QSize logical, qreal ratio);
QSize ToLogicalPixels(QSize device, qreal ratio);

ScreenScale PrimaryScreenScale();
// The scale of the screen whose device pixels hold `device`; the primary
// screen's for a point off every screen (ReachablePosition brings the window
// back later).
ScreenScale ScaleAtDevicePoint(QPoint device);

// A top-level window's top-left corner and size in device pixels, by the
// screen it is on.
QPoint DevicePosition(const QWidget& window);
QSize DeviceSize(const QWidget& window);

}  // namespace kirabel
