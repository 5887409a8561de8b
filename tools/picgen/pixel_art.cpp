#include "pixel_art.h"

QImage filledImage(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

void paintArt(QImage& image, int left, int top, const std::vector<std::string_view>& rows,
              const std::map<char, QRgb>& key) {
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const std::string_view text = rows[row];
        for (int column = 0; column < static_cast<int>(text.size()); ++column) {
            const auto colour = key.find(text[column]);
            if (colour != key.end()) image.setPixel(left + column, top + row, colour->second);
        }
    }
}
