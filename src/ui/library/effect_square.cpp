#include "ui/library/effect_square.h"

#include <algorithm>

namespace kirabel {

namespace {

// A pixel counts as lit above this level in any channel: the faint glow at the
// edge of trails and the noise of dark stars stay outside.
constexpr int kLitLevel = 24;
// The margin around the lit box, as a share of its longer side.
constexpr double kMarginShare = 0.08;
// The smallest square cropped, in pixels: at most this side is blown up to a
// tile.
constexpr int kLeastSide = 64;

bool IsLit(QRgb pixel) {
  return qRed(pixel) > kLitLevel || qGreen(pixel) > kLitLevel || qBlue(pixel) > kLitLevel;
}

// The box of the lit pixels; empty when none is lit.
QRect LitBox(const QImage& picture) {
  const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
  int left = pixels.width(), right = -1, top = pixels.height(), bottom = -1;
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    for (int x = 0; x < pixels.width(); ++x) {
      if (!IsLit(line[x])) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// A square of `side` around `centre`, moved (not shrunk) to lie inside `bounds`
// as far as it fits.
QRect SquareInside(QPointF centre, int side, const QRect& bounds) {
  side = std::min({side, bounds.width(), bounds.height()});
  const int left = static_cast<int>(centre.x() - side / 2.0 + 0.5);
  const int top = static_cast<int>(centre.y() - side / 2.0 + 0.5);
  return QRect(std::clamp(left, bounds.left(), bounds.right() + 1 - side),
               std::clamp(top, bounds.top(), bounds.bottom() + 1 - side), side, side);
}

}  // namespace

QRect EffectSquare(const QImage& picture) {
  const QRect lit = LitBox(picture);
  if (lit.isEmpty()) return picture.rect();
  const int longer = std::max(lit.width(), lit.height());
  const int side = std::max(kLeastSide, longer + 2 * static_cast<int>(longer * kMarginShare + 0.5));
  const QPointF centre((lit.left() + lit.right() + 1) / 2.0, (lit.top() + lit.bottom() + 1) / 2.0);
  return SquareInside(centre, side, picture.rect());
}

QImage CroppedToEffect(const QImage& picture) {
  return picture.copy(EffectSquare(picture));
}

}  // namespace kirabel
