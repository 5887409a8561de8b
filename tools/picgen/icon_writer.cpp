#include "icon_writer.h"

#include <QtGlobal>

#include "dib_header.h"
#include "le_writer.h"

namespace {

constexpr int kDirectoryHeaderBytes = 6;
constexpr int kDirectoryEntryBytes = 16;
constexpr uint16_t kIconType = 1;
constexpr uint16_t kCursorType = 2;

bool isTransparent(QRgb pixel) {
    return qAlpha(pixel) == 0;
}

uint8_t paletteIndex(QRgb pixel) {
    const auto& palette = standardPalette();
    for (size_t i = 0; i < palette.size(); ++i) {
        if (palette[i] == qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel))) {
            return static_cast<uint8_t>(i);
        }
    }
    qFatal("colour #%06x is not one of the 16 standard colours", pixel & 0xFFFFFF);
}

void appendPalette(LeWriter& out) {
    for (QRgb colour : standardPalette()) {
        out.u8(static_cast<uint8_t>(qBlue(colour)));
        out.u8(static_cast<uint8_t>(qGreen(colour)));
        out.u8(static_cast<uint8_t>(qRed(colour)));
        out.u8(0);
    }
}

// The palette index stored for a pixel; columns past the right edge pad the last byte.
uint8_t colourIndexAt(const QImage& image, int x, int y) {
    if (x >= image.width()) return 0;
    const QRgb pixel = image.pixel(x, y);
    return isTransparent(pixel) ? 0 : paletteIndex(pixel);
}

// Two pixels to a byte, the left one in the high half.
void appendColourRows(LeWriter& out, const QImage& image) {
    const int padding = dibRowStride(image.width(), 4) - (image.width() + 1) / 2;
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); x += 2) {
            out.u8(static_cast<uint8_t>(colourIndexAt(image, x, y) << 4 |
                                        colourIndexAt(image, x + 1, y)));
        }
        out.zeros(padding);
    }
}

void appendMaskRows(LeWriter& out, const QImage& image) {
    const int stride = dibRowStride(image.width(), 1);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            if (!isTransparent(image.pixel(x, y))) continue;
            row[x / 8] = static_cast<char>(row[x / 8] | 0x80 >> x % 8);  // leftmost pixel: top bit
        }
        out.append(row);
    }
}

// The image as stored inside an icon or cursor file: header, palette, colour rows, mask.
QByteArray encodeFourBitImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int colourBytes = dibRowStride(image.width(), 4) * image.height();
    const int maskBytes = dibRowStride(image.width(), 1) * image.height();
    LeWriter out;
    // The height counts the colour image and the mask stacked on each other.
    appendDibHeader(out, {.width = image.width(),
                          .height = 2 * image.height(),
                          .bitsPerPixel = 4,
                          .imageBytes = static_cast<uint32_t>(colourBytes + maskBytes),
                          .pixelsPerMetre = 0});
    appendPalette(out);
    appendColourRows(out, image);
    appendMaskRows(out, image);
    return out.bytes();
}

void appendDirectoryHeader(LeWriter& out, uint16_t type, int count) {
    out.u16(0);
    out.u16(type);
    out.u16(static_cast<uint16_t>(count));
}

// Icons and cursors share the entry layout; the two 16-bit fields after the reserved byte
// hold planes and bit count in an icon, the hot spot in a cursor.
void appendDirectoryEntry(LeWriter& out, const QImage& image, uint8_t colourCount,
                          QPoint planesAndBits, int imageBytes, int offset) {
    out.u8(static_cast<uint8_t>(image.width()));
    out.u8(static_cast<uint8_t>(image.height()));
    out.u8(colourCount);
    out.u8(0);
    out.u16(static_cast<uint16_t>(planesAndBits.x()));
    out.u16(static_cast<uint16_t>(planesAndBits.y()));
    out.u32(static_cast<uint32_t>(imageBytes));
    out.u32(static_cast<uint32_t>(offset));
}

}  // namespace

const std::array<QRgb, 16>& standardPalette() {
    static const std::array<QRgb, 16> palette = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
        qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return palette;
}

QByteArray encodeCursor(const QImage& image, QPoint hotSpot) {
    const QByteArray data = encodeFourBitImage(image);
    LeWriter out;
    appendDirectoryHeader(out, kCursorType, 1);
    appendDirectoryEntry(out, image, 0, hotSpot, static_cast<int>(data.size()),
                         kDirectoryHeaderBytes + kDirectoryEntryBytes);
    out.append(data);
    return out.bytes();
}

QByteArray encodeIcon(const std::vector<QImage>& images) {
    std::vector<QByteArray> data;
    for (const QImage& image : images) data.push_back(encodeFourBitImage(image));

    LeWriter out;
    const int count = static_cast<int>(images.size());
    appendDirectoryHeader(out, kIconType, count);
    int offset = kDirectoryHeaderBytes + kDirectoryEntryBytes * count;
    for (int i = 0; i < count; ++i) {
        const int bytes = static_cast<int>(data[i].size());
        appendDirectoryEntry(out, images[i], 16, QPoint(1, 4), bytes, offset);
        offset += bytes;
    }
    for (const QByteArray& image : data) out.append(image);
    return out.bytes();
}
