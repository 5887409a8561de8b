#include "platform/how_it_works/panes/value_plot.h"

#include <algorithm>
#include <variant>

#include "platform/how_it_works/panes/time_span.h"
#include "platform/how_it_works/records/history.h"

namespace forms {

namespace {

// A change at its pixel column.
struct Point {
    int x;
    WatchedValue value;
};

ValuePlot::Kind kindOf(const WatchedValue& value) {
    using Kind = ValuePlot::Kind;
    constexpr Kind kinds[] = {Kind::Truth, Kind::Number, Kind::Number,
                              Kind::Text,  Kind::Colour, Kind::Picture};
    return kinds[value.index()];
}

double numberOf(const WatchedValue& value) {
    if (const auto* whole = std::get_if<Integer>(&value)) return whole->value();
    if (const auto* single = std::get_if<float>(&value)) return *single;
    return 0;
}

void plotNumbers(ValuePlot& plot, const WatchedValue& held, const std::vector<Point>& points) {
    double last = numberOf(held);
    plot.held = plot.low = plot.high = last;
    for (const Point& point : points) {
        const double value = numberOf(point.value);
        if (plot.columns.empty() || plot.columns.back().x != point.x)
            plot.columns.push_back({point.x, last, last, value});
        ValuePlot::Column& column = plot.columns.back();
        column.low = std::min(column.low, value);
        column.high = std::max(column.high, value);
        column.last = last = value;
        plot.low = std::min(plot.low, value);
        plot.high = std::max(plot.high, value);
    }
}

// Stretches of one colour each; True as colour 1, False left out. Of many changes in one
// column, the last shows.
void plotStretches(ValuePlot& plot, std::uint32_t held, const std::vector<Point>& points,
                   bool truth) {
    const auto colourOf = [](const WatchedValue& value) {
        if (const auto* colour = std::get_if<std::uint32_t>(&value)) return *colour;
        return std::uint32_t{std::get<bool>(value) ? 1u : 0u};
    };
    int from = 0;
    const auto close = [&](int to) {
        if (to > from && (!truth || held == 1)) plot.stretches.push_back({from, to, held});
        from = std::max(from, to);
    };
    for (const Point& point : points) {
        const std::uint32_t colour = colourOf(point.value);
        if (colour == held) continue;
        close(point.x);
        held = colour;
    }
    close(plot.width);
}

void plotMarks(ValuePlot& plot, const std::vector<Point>& points) {
    for (const Point& point : points) {
        const auto* picture = std::get_if<std::shared_ptr<const PictureData>>(&point.value);
        const int gap = picture ? kPlotThumbnailGap : 1;
        if (!plot.marks.empty() && point.x - plot.marks.back().x < gap) continue;
        plot.marks.push_back({point.x, picture ? *picture : nullptr});
    }
}

QString number(double value) {
    return QString::number(value, 'g', 6);
}

// "no change", "1 change", "812 changes".
QString counted(std::size_t count, const char* what) {
    if (count == 0) return QStringLiteral("no %1").arg(QLatin1String(what));
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(what),
                                                    count == 1 ? QString() : QStringLiteral("s"));
}

}  // namespace

ValuePlot plotOf(const History& history, const void* target, const TimeSpan& span, int width) {
    ValuePlot plot;
    plot.width = std::max(width, 1);
    const std::size_t first = history.runAfter(span.start() - 1);
    const std::size_t last = history.runAfter(span.end());
    std::vector<Point> points;
    history.forEachChange(
        target, first, last, [&](std::size_t run, const WatchedValue& value, const Author&) {
            const int x = static_cast<int>(span.xOf(history.timeOf(run), plot.width));
            points.push_back({std::clamp(x, 0, plot.width - 1), value});
        });
    plot.changes = static_cast<int>(points.size());
    const std::optional<WatchedValue> held = history.valueBefore(target, first);
    if (!held && points.empty()) return plot;
    const WatchedValue& start = held ? *held : points.front().value;
    plot.kind = kindOf(start);
    switch (plot.kind) {
        case ValuePlot::Kind::Number:
            plotNumbers(plot, start, points);
            break;
        case ValuePlot::Kind::Truth:
            plotStretches(plot, std::get<bool>(start) ? 1u : 0u, points, true);
            break;
        case ValuePlot::Kind::Colour:
            plotStretches(plot, std::get<std::uint32_t>(start), points, false);
            break;
        default:
            plotMarks(plot, points);
    }
    return plot;
}

QString ValuePlot::words() const {
    const QString changed = counted(static_cast<std::size_t>(changes), "change");
    switch (kind) {
        case Kind::Nothing:
            return QStringLiteral("not changed");
        case Kind::Number:
            if (low == high) return QStringLiteral("%1, %2").arg(number(low), changed);
            return QStringLiteral("from %1 to %2, %3").arg(number(low), number(high), changed);
        case Kind::Truth: {
            int trueColumns = 0;
            for (const Stretch& stretch : stretches) trueColumns += stretch.to - stretch.from;
            return QStringLiteral("True for %1% of the time, %2")
                .arg(trueColumns * 100 / std::max(width, 1))
                .arg(changed);
        }
        case Kind::Colour: {
            std::vector<std::uint32_t> colours;
            for (const Stretch& stretch : stretches)
                if (std::ranges::find(colours, stretch.colour) == colours.end())
                    colours.push_back(stretch.colour);
            return QStringLiteral("%1, %2").arg(counted(colours.size(), "colour"), changed);
        }
        case Kind::Picture:
        case Kind::Text:
            return changed;
    }
    return changed;
}

}  // namespace forms
