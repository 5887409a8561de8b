#pragma once

#include <QByteArray>
#include <QImage>

// Picture files Qt's own writers produce.

// A 24-bit bottom-up Windows bitmap at 96 dots per inch. Any alpha channel is dropped: every
// pixel is stored opaque.
QByteArray encodeBmp24(const QImage& image);

// A PNG keeping the image's alpha channel.
QByteArray encodePng(const QImage& image);
