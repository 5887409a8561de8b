#pragma once

#include <QByteArray>
#include <QImage>

// Encodes an image as a 24-bit bottom-up Windows bitmap file at 96 dots per inch. Any alpha
// channel is dropped: every pixel is stored opaque.
QByteArray encodeBmp24(const QImage& image);
