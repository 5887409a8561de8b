// The pictures as the screen shows them at this process's display scale: CTest runs it at 1,
// and again at 1.5 and 2 (QT_SCALE_FACTOR, which Qt reads once, at start), and once with a
// second screen of twice the scale.

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "effects/mouse_fixture.h"

namespace testing_support {
namespace {

using ScaledPicturesTest = MouseEffectsTest;

// The face's nose shine, top part: a chequer of yellow and red, 4 × 12 picture pixels.
const QRect kChequer(22, 2, 4, 12);

bool isWhole(qreal ratio) {
    return std::abs(ratio - std::round(ratio)) < 1e-6;
}

// The fewest picture pixels that span a whole number of device pixels.
int period(qreal ratio) {
    int pixels = 1;
    while (!isWhole(pixels * ratio)) ++pixels;
    return pixels;
}

QRgb mean(const QImage& image, const QRect& area) {
    long red = 0, green = 0, blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel), green += qGreen(pixel), blue += qBlue(pixel);
        }
    const long n = area.width() * area.height();
    return qRgb(int(red / n), int(green / n), int(blue / n));
}

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 3 && std::abs(qGreen(a) - qGreen(b)) <= 3 &&
           std::abs(qBlue(a) - qBlue(b)) <= 3;
}

// At whole ratios a picture pixel is a square of device pixels; at fractional ones every
// picture pixel keeps the same weight, so that a chequer shows as an even mix, not stripes.
TEST_F(ScaledPicturesTest, TheFaceKeepsEvenPixelsAtThisScale) {
    const qreal ratio = f.window()->devicePixelRatioF();
    const QImage source = f.imgFace.Picture.get()->image.convertToFormat(QImage::Format_RGB32);
    const QImage shown = f.imgFace.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (isWhole(ratio)) {
        const int n = static_cast<int>(std::round(ratio));
        EXPECT_EQ(shown,
                  source.scaled(source.size() * n, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        return;
    }
    ASSERT_EQ(shown.size(), QSize(std::ceil(48 * ratio - 1e-6), std::ceil(48 * ratio - 1e-6)));
    ASSERT_NE(source.pixel(kChequer.topLeft()), source.pixel(kChequer.topLeft() + QPoint(1, 0)));
    const QRgb mix = mean(source, kChequer);
    const int step = static_cast<int>(std::round(period(ratio) * ratio));
    const QRect device(std::ceil(kChequer.left() * ratio), std::ceil(kChequer.top() * ratio),
                       std::floor(kChequer.width() * ratio), std::floor(kChequer.height() * ratio));
    for (int y = device.top(); y + step <= device.bottom() + 1; ++y)
        for (int x = device.left(); x + step <= device.right() + 1; ++x)
            ASSERT_TRUE(near(mean(shown, QRect(x, y, step, step)), mix))
                << "uneven at device pixel " << x << ", " << y;
}

// The link's hand is as many device pixels larger as the display's other pointers are.
TEST_F(ScaledPicturesTest, TheHandPointerFollowsTheScale) {
    const qreal ratio = f.window()->devicePixelRatioF();
    moveOnto(f.lblLink);
    const QCursor hand = f.lblLink.widget()->cursor();
    const int side = static_cast<int>(std::ceil(32 * ratio - 1e-6));
    EXPECT_EQ(hand.pixmap().size(), QSize(side, side));
    EXPECT_EQ(hand.pixmap().devicePixelRatio(), ratio);
    EXPECT_EQ(hand.hotSpot(), (QPointF(12, 1) * ratio).toPoint());  // the finger tip
}

// Run with a second screen of twice the scale: the hand follows the window onto it.
TEST_F(ScaledPicturesTest, TheHandPointerFollowsTheWindowToAScreenOfAnotherScale) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2) GTEST_SKIP() << "one screen only";
    moveOnto(f.lblLink);
    const qreal before = f.window()->devicePixelRatioF();
    QScreen* other = screens.at(screens.at(0) == f.window()->screen() ? 1 : 0);
    f.window()->move(other->geometry().topLeft() + QPoint(10, 10));
    harness.settle();
    const qreal after = f.window()->devicePixelRatioF();
    ASSERT_NE(after, before);
    EXPECT_EQ(f.lblLink.widget()->cursor().pixmap().devicePixelRatio(), after);
    EXPECT_EQ(f.lblLink.widget()->cursor().hotSpot(), (QPointF(12, 1) * after).toPoint());
}

}  // namespace
}  // namespace testing_support
