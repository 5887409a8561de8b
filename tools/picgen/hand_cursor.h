#pragma once

#include <QImage>
#include <QPoint>

// The 32 x 32 pointing-hand mouse pointer shown over links; transparent around the hand.
QImage drawHandCursor();

// The tip of the raised index finger.
inline constexpr QPoint kHandHotSpot{12, 1};
