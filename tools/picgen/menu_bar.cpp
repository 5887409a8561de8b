#include "menu_bar.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "colours.h"

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 26;
constexpr int kWordsLeft = 15;
constexpr int kWordsTop = 7;

// Liberation Serif at 15 px, narrowed to 85 %, fully hinted, puts the letters on rows 7..19
// and makes "Display the project code" about 130 px long.
constexpr char kSerifFontFile[] =
    "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf";
constexpr int kFontPixelSize = 15;
constexpr int kFontStretch = 85;

struct Shade {
    int row;
    QRgb colour;
};

// The gradient passes through these rows; rows in between are interpolated.
constexpr std::array<Shade, 5> kGradientStops = {{{1, qRgb(255, 255, 255)},
                                                  {2, qRgb(250, 252, 253)},
                                                  {10, qRgb(171, 209, 228)},
                                                  {18, qRgb(84, 161, 200)},
                                                  {25, qRgb(12, 122, 177)}}};

int blend(int from, int to, double t) {
    return static_cast<int>(std::lround(from + (to - from) * t));
}

QRgb gradientShade(int row) {
    if (row <= kGradientStops.front().row) return kGradientStops.front().colour;
    for (size_t i = 1; i < kGradientStops.size(); ++i) {
        const Shade& upper = kGradientStops[i - 1];
        const Shade& lower = kGradientStops[i];
        if (row > lower.row) continue;
        const double t = static_cast<double>(row - upper.row) / (lower.row - upper.row);
        return qRgb(blend(qRed(upper.colour), qRed(lower.colour), t),
                    blend(qGreen(upper.colour), qGreen(lower.colour), t),
                    blend(qBlue(upper.colour), qBlue(lower.colour), t));
    }
    return kGradientStops.back().colour;
}

// Pixels cut off at one end of a row: the full cut on the top and bottom rows, one fewer on
// each row towards the middle.
int cornerCut(int row, int outermostCut) {
    const int rowsFromEdge = std::min(row, kHeight - 1 - row);
    return std::max(0, outermostCut - rowsFromEdge);
}

bool isCorner(int x, int y) {
    return x < cornerCut(y, 7) || x >= kWidth - cornerCut(y, 6);
}

QFont serifFont() {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(kSerifFontFile);
        if (id < 0) qFatal("cannot load the menu font %s", kSerifFontFile);
        return QFontDatabase::applicationFontFamilies(id).value(0);
    }();
    QFont font(family);
    font.setPixelSize(kFontPixelSize);
    font.setStretch(kFontStretch);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The words in black on white, on a scratch image large enough for any menu item.
QImage renderWords(const QString& words) {
    QImage scratch(2 * kWidth, 3 * kHeight, QImage::Format_RGB32);
    scratch.fill(colours::kWhite);
    QPainter painter(&scratch);
    painter.setFont(serifFont());
    painter.setPen(colours::kBlack);
    painter.drawText(kWordsLeft, 2 * kHeight, words);
    return scratch;
}

QRect inkBounds(const QImage& scratch) {
    QRect bounds;
    for (int y = 0; y < scratch.height(); ++y) {
        for (int x = 0; x < scratch.width(); ++x) {
            if (scratch.pixel(x, y) != colours::kWhite) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// Copies every inked pixel as pure blue, so no in-between shade can reach the bar.
void paintWords(QImage& bar, const QString& words) {
    const QImage scratch = renderWords(words);
    const QRect ink = inkBounds(scratch);
    const QPoint shift = QPoint(kWordsLeft, kWordsTop) - ink.topLeft();
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left(); x <= ink.right(); ++x) {
            if (scratch.pixel(x, y) != colours::kWhite)
                bar.setPixel(QPoint(x, y) + shift, colours::kBlue);
        }
    }
}

QRgb negative(QRgb colour) {
    return qRgb(255 - qRed(colour), 255 - qGreen(colour), 255 - qBlue(colour));
}

}  // namespace

QImage drawLitMenuBar(const QString& words) {
    QImage bar(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            bar.setPixel(x, y, isCorner(x, y) ? kMenuCornerColour : gradientShade(y));
    }
    paintWords(bar, words);
    return bar;
}

QImage drawPlainMenuBar(const QString& words) {
    QImage bar = drawLitMenuBar(words);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!isCorner(x, y)) bar.setPixel(x, y, negative(bar.pixel(x, y)));
        }
    }
    return bar;
}
