#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace forms {

class History;
class TimeSpan;
struct PictureData;

// One value's changes over a time span, as drawn across `width` pixel columns: a number as
// the value held from change to change (a staircase, or where changes crowd, each column's
// lowest and highest), True as stretches, a colour as a stretch of each, a picture or a text as
// the places it changed. Built for the span shown only, a few points a column at most.
struct ValuePlot {
    enum class Kind { Nothing, Number, Truth, Colour, Picture, Text };
    // A number's changes within one pixel column, the value it came from included.
    struct Column {
        int x;
        double low, high, last;
    };
    // Columns [from, to): where the value was True, or each colour.
    struct Stretch {
        int from, to;
        std::uint32_t colour = 0;
    };
    // Where a picture or a text changed; pictures too close to the one before are left out.
    struct Mark {
        int x;
        std::shared_ptr<const PictureData> picture;
    };

    Kind kind = Kind::Nothing;
    int width = 0;
    int changes = 0;           // in the span
    double held = 0;           // a number as the span begins
    double low = 0, high = 0;  // a number's range over the span
    std::vector<Column> columns;
    std::vector<Stretch> stretches;
    std::vector<Mark> marks;

    // What it shows in words, for a screen reader: "from 120 to 7230, 812 changes".
    QString words() const;
};

// Pictures nearer than this to the one before are not drawn.
inline constexpr int kPlotThumbnailGap = 18;

// The plot of the value whose WriteBack has `target`, over the span.
ValuePlot plotOf(const History& history, const void* target, const TimeSpan& span, int width);

}  // namespace forms
