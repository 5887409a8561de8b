#include "platform/how_it_works/panes/plot_painter.h"

#include <QList>
#include <QPainter>

#include "platform/files/picture.h"
#include "platform/how_it_works/panes/value_plot.h"
#include "platform/values/colour.h"

namespace forms {

namespace {

constexpr int kMargin = 2;        // pixels above and below what is drawn
constexpr int kAfterAlpha = 150;  // over what comes after the moment

// The value held drawn flat until it changes; a column of changes from its lowest to highest.
void paintNumbers(QPainter& painter, const ValuePlot& plot, const QRect& area) {
    const double range = plot.high - plot.low;
    const auto y = [&](double value) {
        if (range == 0) return area.center().y();
        return area.bottom() - static_cast<int>((value - plot.low) / range * area.height());
    };
    QList<QLine> lines;
    int x = area.left();
    double held = plot.held;
    for (const ValuePlot::Column& column : plot.columns) {
        const int at = area.left() + column.x;
        lines.append(QLine(x, y(held), at, y(held)));
        lines.append(QLine(at, y(column.low), at, y(column.high)));
        x = at;
        held = column.last;
    }
    lines.append(QLine(x, y(held), area.right(), y(held)));
    painter.drawLines(lines);
}

void paintStretches(QPainter& painter, const ValuePlot& plot, const QRect& area,
                    const QColor& truth) {
    for (const ValuePlot::Stretch& stretch : plot.stretches) {
        const QRect band(area.left() + stretch.from, area.top(), stretch.to - stretch.from,
                         area.height());
        painter.fillRect(band,
                         plot.kind == ValuePlot::Kind::Truth ? truth : toQColor(stretch.colour));
    }
}

void paintMarks(QPainter& painter, const ValuePlot& plot, const QRect& area) {
    for (const ValuePlot::Mark& mark : plot.marks) {
        const int x = area.left() + mark.x;
        if (!mark.picture || mark.picture->image.isNull()) {
            painter.drawLine(x, area.top(), x, area.bottom());
            continue;
        }
        const QImage& image = mark.picture->image;
        const QSize size =
            image.size().scaled(kPlotThumbnailGap - 2, area.height(), Qt::KeepAspectRatio);
        painter.drawImage(QRect(QPoint(x, area.top()), size), image);
    }
}

}  // namespace

QRect plotArea(const QRect& cell) {
    return cell.adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

void paintPlot(QPainter& painter, const ValuePlot& plot, const QRect& cell, const QPalette& palette,
               bool selected, std::optional<int> cursor) {
    const QRect area = plotArea(cell);
    const QColor ink = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    painter.save();
    painter.setClipRect(cell);
    painter.setPen(ink);
    switch (plot.kind) {
        case ValuePlot::Kind::Nothing:
            break;
        case ValuePlot::Kind::Number:
            paintNumbers(painter, plot, area);
            break;
        case ValuePlot::Kind::Truth:
            painter.drawLine(area.left(), area.bottom(), area.right(), area.bottom());
            paintStretches(painter, plot, area, ink);
            break;
        case ValuePlot::Kind::Colour:
            paintStretches(painter, plot, area, ink);
            painter.setPen(palette.color(QPalette::Mid));  // white shows on white
            painter.drawRect(area.adjusted(0, 0, -1, -1));
            break;
        case ValuePlot::Kind::Picture:
        case ValuePlot::Kind::Text:
            paintMarks(painter, plot, area);
            break;
    }
    if (cursor && *cursor >= 0 && *cursor <= area.width()) {
        // What comes after the moment shown, stepped back over, fades as it does on the strip.
        QColor after = palette.color(selected ? QPalette::Highlight : QPalette::Base);
        after.setAlpha(kAfterAlpha);
        painter.fillRect(QRect(QPoint(area.left() + *cursor, cell.top()), cell.bottomRight()),
                         after);
        painter.setPen(
            QPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Highlight), 2));
        painter.drawLine(area.left() + *cursor, cell.top(), area.left() + *cursor, cell.bottom());
    }
    painter.restore();
}

}  // namespace forms
