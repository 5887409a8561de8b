#include "platform/files/picture.h"

#include <QBuffer>
#include <QCursor>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

#include "platform/files/device_pixels.h"
#include "platform/files/file_access.h"
#include "platform/values/errors.h"

namespace forms {

namespace {

quint16 u16At(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
qint32 i32At(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

// Uncompressed bitmaps state their pixel data's size; Qt's reader quietly fills what is
// missing, so a short file is caught here from its headers.
bool bitmapIsTruncated(const QByteArray& bytes) {
    constexpr qsizetype kHeaders = 14 + 40;
    if (bytes.size() < kHeaders || !bytes.startsWith("BM") || i32At(bytes, 14) < 40) return false;
    const qint64 offset = static_cast<quint32>(i32At(bytes, 10));
    const qint64 width = i32At(bytes, 18);
    const qint64 height = i32At(bytes, 22);
    const qint64 bitsPerPixel = u16At(bytes, 28);
    const qint64 compression = i32At(bytes, 30);
    if (compression != 0 || width <= 0 || height == 0 || bitsPerPixel == 0) return false;
    const qint64 stride = ((width * bitsPerPixel + 31) / 32) * 4;
    const qint64 rows = height < 0 ? -height : height;
    const qint64 available = bytes.size() - offset;
    return available < 0 || rows > available / stride;  // stride * rows > available
}

// The format a picture's first bytes announce. Handing it to the reader spares Qt from loading
// every image plugin to ask each whether it knows the data; an unknown start is still left to
// Qt to recognise.
QByteArray announcedFormat(const QByteArray& bytes) {
    if (bytes.startsWith("BM")) return "bmp";
    if (bytes.startsWith("\x89PNG\r\n\x1a\n")) return "png";
    if (bytes.size() >= 4 && u16At(bytes, 0) == 0) {
        if (u16At(bytes, 2) == 1) return "ico";
        if (u16At(bytes, 2) == 2) return "cur";
    }
    return {};
}

bool tooLarge(QSize size) {
    return qint64(size.width()) * size.height() * 4 > kMaxPictureBytes;
}

// A picture may be whole and valid and still be refused for its size: the report says so.
[[noreturn]] void raiseTooLarge(const String& name, const QString& reason) {
    throw RuntimeError{kInvalidPicture, QStringLiteral("Picture too large"), name, reason};
}

QString pixelsReason(QSize size) {
    return QStringLiteral("%1 × %2 pixels, over the limit of %3 megapixels")
        .arg(size.width())
        .arg(size.height())
        .arg(kMaxPictureBytes / 4 / (1024 * 1024));
}

// Nothing bigger than the largest picture's pixels plus generous headers can be one.
constexpr qint64 kMaxPictureFileBytes = kMaxPictureBytes + 1024 * 1024;

}  // namespace

// A cursor file's first directory entry holds its hot spot (type 2 in the file header).
std::optional<QPoint> cursorHotSpot(const QByteArray& bytes) {
    constexpr qsizetype kFirstEntryEnd = 6 + 16;
    if (bytes.size() < kFirstEntryEnd || u16At(bytes, 0) != 0 || u16At(bytes, 2) != 2 ||
        u16At(bytes, 4) == 0)
        return std::nullopt;
    return QPoint(u16At(bytes, 10), u16At(bytes, 12));
}

Picture decodePicture(const QByteArray& bytes, const String& name) {
    if (bitmapIsTruncated(bytes)) raiseError(kInvalidPicture, name);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = announcedFormat(bytes);
    QImageReader reader(&buffer, format);
    // With a format named, auto-detection would still ask every plugin whether it claims it.
    reader.setAutoDetectImageFormat(format.isEmpty());
    reader.setDecideFormatFromContent(format.isEmpty());
    // Also for a format that states no size before decoding, Qt refuses to allocate more.
    reader.setAllocationLimit(int(kMaxPictureBytes / (1024 * 1024)));
    if (!reader.canRead()) raiseError(kInvalidPicture, name);
    if (tooLarge(reader.size())) raiseTooLarge(name, pixelsReason(reader.size()));
    QImage image = reader.read();
    if (image.isNull()) raiseError(kInvalidPicture, name);
    if (tooLarge(image.size())) raiseTooLarge(name, pixelsReason(image.size()));
    auto picture = std::make_shared<PictureData>();
    picture->image = std::move(image);
    picture->hotSpot = cursorHotSpot(bytes);
    picture->name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    return picture;
}

Picture readPictureFile(const String& file) {
    const FileContent content = readRegularFile(file, kMaxPictureFileBytes);
    if (content.overLimit) {
        const QString size = content.statedSize > kMaxPictureFileBytes
                                 ? sizeText(content.statedSize)
                                 : QStringLiteral("more than ") + sizeText(kMaxPictureFileBytes);
        raiseTooLarge(file, QStringLiteral("a file of %1, over the limit of %2")
                                .arg(size, sizeText(kMaxPictureFileBytes)));
    }
    return decodePicture(content.bytes, file);
}

QCursor cursorFor(const Picture& picture, qreal ratio) {
    if (!picture) return QCursor();
    // The window system takes the hot spot in the pointer's own (device) pixels.
    const QPointF hot = QPointF(picture->hotSpot.value_or(QPoint(0, 0))) * ratio;
    return QCursor(devicePixmap(picture->image, ratio), qRound(hot.x()), qRound(hot.y()));
}

}  // namespace forms
