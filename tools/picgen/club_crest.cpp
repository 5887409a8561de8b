#include "club_crest.h"

#include <QPainter>
#include <QPolygon>

#include "colours.h"
#include "pixel_art.h"

namespace {

constexpr int kWidth = 57;
constexpr int kHeight = 49;

// Mirrors points given for the left half about the crest's middle column (28) and closes the
// outline, so the emblem is symmetric.
QPolygon symmetricOutline(const std::vector<QPoint>& leftHalf) {
    QPolygon outline;
    for (const QPoint& point : leftHalf) outline << point;
    for (auto point = leftHalf.rbegin(); point != leftHalf.rend(); ++point) {
        if (point->x() != 28) outline << QPoint(56 - point->x(), point->y());
    }
    return outline;
}

void outline(QPainter& painter, const QPolygon& shape, QRgb colour) {
    painter.setPen(QPen(QColor(colour), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(shape);
}

void paintFrame(QPainter& painter) {
    const QPolygon octagon = symmetricOutline({{14, 1}, {2, 13}, {2, 35}, {14, 47}});
    const QPolygon inner = symmetricOutline({{15, 3}, {4, 14}, {4, 34}, {15, 45}});
    outline(painter, octagon, colours::kGrey);
    outline(painter, inner, colours::kGrey);
}

// A shield, wide at the top and drawn in to a point at the bottom, outlined twice.
void paintEmblem(QPainter& painter) {
    outline(painter, symmetricOutline({{15, 7}, {15, 21}, {17, 28}, {21, 35}, {28, 42}}),
            colours::kWhite);
    outline(painter, symmetricOutline({{18, 10}, {18, 21}, {20, 27}, {23, 32}, {28, 38}}),
            colours::kOrange);
    painter.setPen(QPen(QColor(colours::kOrange), 1));
    painter.drawLine(18, 15, 38, 15);
    painter.setPen(QPen(QColor(colours::kWhite), 1));
    painter.drawLine(28, 17, 28, 33);
}

void paintDots(QImage& crest) {
    for (int x : {23, 32}) {
        for (int dy = 0; dy < 2; ++dy) {
            crest.setPixel(x, 22 + dy, colours::kGrey);
            crest.setPixel(x + 1, 22 + dy, colours::kGrey);
        }
    }
}

}  // namespace

QImage drawClubCrest() {
    QImage crest = filledImage(kWidth, kHeight, colours::kBlack);
    {
        QPainter painter(&crest);
        painter.setRenderHint(QPainter::Antialiasing, false);
        paintFrame(painter);
        paintEmblem(painter);
    }
    paintDots(crest);
    return crest;
}
