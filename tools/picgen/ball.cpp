#include "ball.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <numbers>

#include "colours.h"
#include "pixel_art.h"

namespace {

constexpr int kSize = 23;
constexpr double kCentre = 11.0;
constexpr double kRadius = 11.4;

// The five-sided patch sits a little below the middle of the ball, one corner pointing up.
constexpr double kPatchCentreY = 12.6;
constexpr double kPatchRadius = 3.2;

bool isInsideDisc(int x, int y) {
    return std::hypot(x - kCentre, y - kCentre) <= kRadius;
}

QPointF patchCorner(int index) {
    const double angle = -std::numbers::pi / 2 + index * 2 * std::numbers::pi / 5;
    return {kCentre + kPatchRadius * std::cos(angle),
            kPatchCentreY + kPatchRadius * std::sin(angle)};
}

// Where the seam leaving a patch corner meets the rim: straight on, away from the patch.
QPointF seamEnd(int index) {
    const QPointF corner = patchCorner(index);
    const QPointF away = corner - QPointF(kCentre, kPatchCentreY);
    const QPointF unit = away / std::hypot(away.x(), away.y());
    QPointF end = corner;
    while (isInsideDisc(static_cast<int>(std::lround(end.x() + unit.x())),
                        static_cast<int>(std::lround(end.y() + unit.y())))) {
        end += unit;
    }
    return end;
}

void paintDisc(QImage& ball) {
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (!isInsideDisc(x, y)) continue;
            const bool rim = isOnEdge(x, y, kSize, kSize, isInsideDisc);
            ball.setPixel(x, y, rim ? colours::kBlack : colours::kCyan);
        }
    }
}

void paintSeams(QImage& ball) {
    QPainter painter(&ball);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(colours::kBlack), 1));
    QPolygonF patch;
    for (int i = 0; i < 5; ++i) patch << patchCorner(i);
    painter.drawPolygon(patch);
    for (int i = 0; i < 5; ++i) painter.drawLine(patchCorner(i), seamEnd(i));
}

}  // namespace

QImage drawBall() {
    QImage ball = filledImage(kSize, kSize, colours::kWhite);
    paintDisc(ball);
    paintSeams(ball);
    return ball;
}
