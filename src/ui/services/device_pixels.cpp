#include "ui/services/device_pixels.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace kirabel {

namespace {

ScreenScale ScaleOf(const QScreen* screen) {
  if (!screen) return ScreenScale();
  return ScreenScale{screen->geometry().topLeft(), screen->devicePixelRatio()};
}

QRect DeviceGeometry(const QScreen& screen) {
  const QRect logical = screen.geometry();
  return QRect(logical.topLeft(), ToDevicePixels(logical.size(), screen.devicePixelRatio()));
}

}  // namespace

QPoint ToDevicePixels(QPoint logical, const ScreenScale& scale) {
  return scale.origin + (logical - scale.origin) * scale.ratio;
}

QPoint ToLogicalPixels(QPoint device, const ScreenScale& scale) {
  return scale.origin + (device - scale.origin) / scale.ratio;
}

QSize ToDevicePixels(QSize logical, qreal ratio) {
  return (QSizeF(logical) * ratio).toSize();
}

QSize ToLogicalPixels(QSize device, qreal ratio) {
  return (QSizeF(device) / ratio).toSize();
}

ScreenScale PrimaryScreenScale() {
  return ScaleOf(QGuiApplication::primaryScreen());
}

ScreenScale ScaleAtDevicePoint(QPoint device) {
  for (const QScreen* screen : QGuiApplication::screens())
    if (DeviceGeometry(*screen).contains(device)) return ScaleOf(screen);
  return PrimaryScreenScale();
}

QPoint DevicePosition(const QWidget& window) {
  return ToDevicePixels(window.pos(), ScaleOf(window.screen()));
}

QSize DeviceSize(const QWidget& window) {
  return ToDevicePixels(window.size(), ScaleOf(window.screen()).ratio);
}

}  // namespace kirabel
