#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

// The 200 x 26 bars of the two-item picture menu: a lit bar shown under the mouse and a plain
// bar shown otherwise, both with the item's words in a serif face.

inline constexpr QRgb kMenuCornerColour = qRgb(164, 198, 221);

// White fading down to blue, blue words, corners cut off at 45 degrees.
QImage drawLitMenuBar(const QString& words);

// The colour negative of the lit bar (black fading to orange, yellow words); the cut-off
// corners keep the corner colour.
QImage drawPlainMenuBar(const QString& words);
