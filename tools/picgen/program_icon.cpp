#include "program_icon.h"

#include <cmath>

#include "colours.h"
#include "pixel_art.h"
#include "scalable_icon.h"

namespace {

// A window seen slightly from the left: its right side is shorter than its left, so the top
// and bottom edges slope towards each other. Rows are given at the left and right sides and
// interpolated across.
struct SlopedWindow {
    int size;
    int left, right;
    int topAtLeft, topAtRight;
    int bottomAtLeft, bottomAtRight;
    int titleRowsAtLeft, titleRowsAtRight;  // cyan rows under the top edge
    int shadowOffset;

    int across(int x, int atLeft, int atRight) const {
        const double t = static_cast<double>(x - left) / (right - left);
        return static_cast<int>(std::lround(atLeft + (atRight - atLeft) * t));
    }
    bool contains(int x, int y) const {
        return x >= left && x <= right && y >= across(x, topAtLeft, topAtRight) &&
               y <= across(x, bottomAtLeft, bottomAtRight);
    }
    bool isInTitleBar(int x, int y) const {
        return y <= across(x, topAtLeft + titleRowsAtLeft, topAtRight + titleRowsAtRight);
    }
    // The black line under the title bar.
    bool isUnderTitleBar(int x, int y) const {
        return y == across(x, topAtLeft + titleRowsAtLeft, topAtRight + titleRowsAtRight) + 1;
    }
};

QRgb windowPixel(const SlopedWindow& window, int x, int y) {
    auto inside = [&](int px, int py) { return window.contains(px, py); };
    if (isOnEdge(x, y, window.size, window.size, inside) || window.isUnderTitleBar(x, y)) {
        return colours::kBlack;
    }
    return window.isInTitleBar(x, y) ? colours::kCyan : colours::kWhite;
}

QImage drawIcon(const SlopedWindow& window) {
    QImage icon = filledImage(window.size, window.size, colours::kTransparent);
    const int offset = window.shadowOffset;
    for (int y = 0; y < window.size; ++y) {
        for (int x = 0; x < window.size; ++x) {
            if (window.contains(x, y)) {
                icon.setPixel(x, y, windowPixel(window, x, y));
            } else if (window.contains(x - offset, y - offset)) {
                icon.setPixel(x, y, colours::kGrey);
            }
        }
    }
    return icon;
}

// Small sizes are drawn pixel by pixel, with one-pixel lines placed by hand for each size:
// size, left, right, top at left and right, bottom at left and right, title rows at left and
// right, shadow offset.
constexpr SlopedWindow kPixelDesigns[] = {{16, 1, 12, 1, 3, 13, 11, 3, 2, 2},
                                          {22, 1, 18, 1, 4, 19, 17, 4, 3, 2},
                                          {24, 2, 19, 2, 5, 20, 18, 4, 3, 2},
                                          {32, 2, 26, 2, 6, 27, 24, 5, 4, 3}};

}  // namespace

QImage drawProgramIcon(int size) {
    for (const SlopedWindow& design : kPixelDesigns)
        if (design.size == size) return drawIcon(design);
    return paintScalableIcon(size);
}
