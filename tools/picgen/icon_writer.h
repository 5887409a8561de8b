#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <array>
#include <vector>

// The standard 16 colours, in the order of the classic 4-bit palette.
const std::array<QRgb, 16>& standardPalette();

// Cursor and icon files store each image as a 4-bit picture in the standard palette plus a
// 1-bit mask. Fully transparent pixels get mask 1 and colour 0 (black), so nothing inverts
// the screen; every other pixel must be one of the 16 standard colours.

// A one-image cursor file with the given hot spot.
QByteArray encodeCursor(const QImage& image, QPoint hotSpot);

// An icon file holding the images in the order given.
QByteArray encodeIcon(const std::vector<QImage>& images);
