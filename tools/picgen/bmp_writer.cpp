#include "bmp_writer.h"

#include "dib_header.h"
#include "le_writer.h"

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kPixelOffset = kFileHeaderBytes + kDibHeaderBytes;
constexpr int32_t kPixelsPerMetreAt96Dpi = 3780;

void appendFileHeader(LeWriter& out, uint32_t pixelBytes) {
    out.u8('B');
    out.u8('M');
    out.u32(kPixelOffset + pixelBytes);
    out.u16(0);
    out.u16(0);
    out.u32(kPixelOffset);
}

void appendRowsBottomUp(LeWriter& out, const QImage& image, int stride) {
    const int padding = stride - image.width() * 3;
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            out.u8(static_cast<uint8_t>(qBlue(pixel)));
            out.u8(static_cast<uint8_t>(qGreen(pixel)));
            out.u8(static_cast<uint8_t>(qRed(pixel)));
        }
        out.zeros(padding);
    }
}

}  // namespace

QByteArray encodeBmp24(const QImage& image) {
    const int stride = dibRowStride(image.width(), 24);
    const auto pixelBytes = static_cast<uint32_t>(stride * image.height());
    LeWriter out;
    appendFileHeader(out, pixelBytes);
    appendDibHeader(out, {.width = image.width(),
                          .height = image.height(),
                          .bitsPerPixel = 24,
                          .imageBytes = pixelBytes,
                          .pixelsPerMetre = kPixelsPerMetreAt96Dpi});
    appendRowsBottomUp(out, image, stride);
    return out.bytes();
}
