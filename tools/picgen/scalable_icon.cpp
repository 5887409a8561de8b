#include "scalable_icon.h"

#include <QPainter>
#include <QPolygonF>
#include <vector>

#include "colours.h"

namespace {

constexpr double kUnits = 256;
constexpr double kLine = 8;  // one pixel of the 32-pixel icon

// One closed area, filled and outlined.
struct Area {
    QPolygonF outline;
    QRgb fill;
    QRgb stroke;
};

// The window of the 32-pixel icon, pixel edges scaled by 8: its right side is shorter than its
// left, and the title bar's lower edge slopes with the top.
std::vector<Area> drawing() {
    const QPolygonF window({{16, 16}, {216, 48}, {216, 200}, {16, 224}});
    const QPolygonF titleBar({{16, 16}, {216, 48}, {216, 92}, {16, 68}});
    return {
        {window.translated(24, 24), colours::kGrey, colours::kGrey},
        {window, colours::kWhite, colours::kBlack},
        {titleBar, colours::kCyan, colours::kBlack},
    };
}

QString svgPoints(const QPolygonF& polygon) {
    QStringList points;
    for (const QPointF& p : polygon) points << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return points.join(QLatin1Char(' '));
}

}  // namespace

QImage paintScalableIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kUnits, size / kUnits);
    for (const Area& area : drawing()) {
        QPen pen(QColor(area.stroke), kLine);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(QColor(area.fill));
        painter.drawPolygon(area.outline);
    }
    painter.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

QByteArray scalableIconSvg() {
    QString svg = QStringLiteral(
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                      "viewBox=\"0 0 %1 %1\">\n")
                      .arg(kUnits);
    for (const Area& area : drawing()) {
        svg +=
            QStringLiteral(
                "  <polygon points=\"%1\" fill=\"%2\" stroke=\"%3\" stroke-width=\"%4\" "
                "stroke-linejoin=\"miter\"/>\n")
                .arg(svgPoints(area.outline), QColor(area.fill).name(), QColor(area.stroke).name())
                .arg(kLine);
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}
