#include "qt_writers.h"

#include <QBuffer>
#include <QImageWriter>

namespace {

constexpr int kDotsPerMetreAt96Dpi = 3780;

QByteArray encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        qFatal("cannot encode a %s picture: %s", format, qPrintable(writer.errorString()));
    return bytes;
}

}  // namespace

QByteArray encodeBmp24(const QImage& image) {
    // Qt's bitmap writer stores 32-bit images in 24 bits and writes the image's resolution.
    QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    opaque.setDotsPerMeterX(kDotsPerMetreAt96Dpi);
    opaque.setDotsPerMeterY(kDotsPerMetreAt96Dpi);
    return encode(opaque, "bmp");
}

QByteArray encodePng(const QImage& image) {
    return encode(image.convertToFormat(QImage::Format_ARGB32), "png");
}
