#include "platform/how_it_works/panes/value_plot.h"

#include <algorithm>
#include <variant>

#include "platform/how_it_works/panes/time_span.h"
#include "platform/how_it_works/records/history.h"

namespace forms {

namespace {

using Kind = ValuePlot::Kind;

Kind kindOf(std::size_t index) {
    constexpr Kind kinds[] = {Kind::Truth, Kind::Number, Kind::Number,
                              Kind::Text,  Kind::Colour, Kind::Picture};
    return kinds[index];
}

double numberOf(const WatchedValue& value) {
    if (const auto* whole = std::get_if<Integer>(&value)) return whole->value();
    if (const auto* single = std::get_if<float>(&value)) return *single;
    return 0;
}

// True as colour 1, False as 0.
std::uint32_t colourOf(const WatchedValue& value) {
    if (const auto* colour = std::get_if<std::uint32_t>(&value)) return *colour;
    return std::get<bool>(value) ? 1u : 0u;
}

// The plot drawn change by change, oldest first, each at its pixel column: ten minutes of a
// timer's changes are many, so each is read as kept and made a value only where one shows (a
// picture).
class PlotBuilder {
  public:
    PlotBuilder(ValuePlot& plot, const History& history) : plot_(plot), history_(history) {}

    // The value as the span begins, or the first change's where there was none before.
    void start(Kind kind, const WatchedValue& held) {
        plot_.kind = kind;
        if (kind == Kind::Number) plot_.held = plot_.low = plot_.high = last_ = numberOf(held);
        if (kind == Kind::Truth || kind == Kind::Colour) colour_ = colourOf(held);
    }
    void add(int x, const KeptValue& kept) {
        ++plot_.changes;
        switch (plot_.kind) {
            case Kind::Number:
                return addNumber(x, kept.number());
            case Kind::Truth:
            case Kind::Colour:
                return addColour(x, kept.small());
            default:
                return addMark(x, kept);
        }
    }
    void finish() {
        if (plot_.kind == Kind::Truth || plot_.kind == Kind::Colour) closeStretch(plot_.width);
    }

  private:
    // Where changes crowd into a column, its lowest and highest.
    void addNumber(int x, double value) {
        if (plot_.columns.empty() || plot_.columns.back().x != x)
            plot_.columns.push_back({x, last_, last_, value});
        ValuePlot::Column& column = plot_.columns.back();
        column.low = std::min(column.low, value);
        column.high = std::max(column.high, value);
        column.last = last_ = value;
        plot_.low = std::min(plot_.low, value);
        plot_.high = std::max(plot_.high, value);
    }
    // Stretches of one colour each, False left out. Of many changes in one column, the last
    // shows.
    void addColour(int x, std::uint32_t colour) {
        if (colour == colour_) return;
        closeStretch(x);
        colour_ = colour;
    }
    void closeStretch(int to) {
        if (to > from_ && (plot_.kind != Kind::Truth || colour_ == 1))
            plot_.stretches.push_back({from_, to, colour_});
        from_ = std::max(from_, to);
    }
    void addMark(int x, const KeptValue& kept) {
        const bool picture = plot_.kind == Kind::Picture;
        const int gap = picture ? kPlotThumbnailGap : 1;
        if (!plot_.marks.empty() && x - plot_.marks.back().x < gap) return;
        std::shared_ptr<const PictureData> shown;
        if (picture) shown = std::get<std::shared_ptr<const PictureData>>(history_.valueOf(kept));
        plot_.marks.push_back({x, std::move(shown)});
    }

    ValuePlot& plot_;
    const History& history_;
    double last_ = 0;
    std::uint32_t colour_ = 0;
    int from_ = 0;
};

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
    const std::optional<WatchedValue> held = history.valueBefore(target, first);
    PlotBuilder builder(plot, history);
    if (held) builder.start(kindOf(held->index()), *held);
    history.forEachKept(target, first, last, [&](std::size_t run, const KeptValue& kept) {
        if (plot.kind == Kind::Nothing) builder.start(kindOf(kept.index()), history.valueOf(kept));
        const int x = static_cast<int>(span.xOf(history.timeOf(run), plot.width));
        builder.add(std::clamp(x, 0, plot.width - 1), kept);
    });
    builder.finish();
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
