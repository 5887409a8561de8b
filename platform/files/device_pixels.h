#pragma once

#include <QPixmap>

class QImage;

namespace forms {

// A picture made ready to be drawn one to one on a device of `ratio` device pixels to a
// logical pixel. At a whole ratio every picture pixel becomes a square of ratio × ratio device
// pixels. At a fractional ratio the picture is first made the next whole multiple larger and
// then scaled smoothly down to the device size ("sharp bilinear"), so that every picture pixel
// gets the same weight: a dither stays an even dither instead of turning into stripes.
// The pixmap's device-pixel ratio is `ratio`.
QPixmap devicePixmap(const QImage& picture, qreal ratio);

}  // namespace forms
