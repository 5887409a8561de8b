#include "platform/files/device_pixels.h"

#include <QImage>
#include <cmath>

namespace forms {

namespace {

// How many whole device pixels a length of logical pixels covers (a hair under counts as all).
int devicePixels(int logical, qreal ratio) {
    return static_cast<int>(std::ceil(logical * ratio - 1e-6));
}

}  // namespace

QPixmap devicePixmap(const QImage& picture, qreal ratio) {
    if (picture.isNull() || ratio <= 0) return QPixmap::fromImage(picture);
    const int whole = static_cast<int>(std::ceil(ratio - 1e-6));
    QImage scaled = picture;
    if (whole > 1)
        scaled = picture.scaled(picture.width() * whole, picture.height() * whole,
                                Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (std::abs(ratio - whole) > 1e-6)
        scaled =
            scaled
                .convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                           : QImage::Format_RGB32)
                .scaled(devicePixels(picture.width(), ratio), devicePixels(picture.height(), ratio),
                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(scaled);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace forms
