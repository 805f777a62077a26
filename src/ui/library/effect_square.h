#pragma once
// Where a shell's effect lies in its thumbnail picture: the square a
// thumbnail is cropped to so that the effect fills its tile rather than a
// small part of the dark space around it. Every picture is cropped by the same
// rule: the box of the lit pixels (any channel above a small threshold), grown
// by a margin, made square around its centre, at least a minimum side (a tiny
// effect is not blown up into blocks) and kept inside the picture.
#include <QImage>
#include <QRect>

namespace kirabel {

// The square to crop `picture` to; the whole picture when nothing is lit.
QRect EffectSquare(const QImage& picture);

// The picture cropped to its effect square.
QImage CroppedToEffect(const QImage& picture);

}  // namespace kirabel
