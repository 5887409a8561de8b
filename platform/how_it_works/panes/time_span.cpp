#include "platform/how_it_works/panes/time_span.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace forms {

double TimeSpan::xOf(qint64 time, int width) const {
    return static_cast<double>(time - start_) * width / static_cast<double>(length());
}

qint64 TimeSpan::timeAt(double x, int width) const {
    if (width <= 0) return start_;
    return start_ + std::llround(x * static_cast<double>(length()) / width);
}

void TimeSpan::show(qint64 first, qint64 last, qint64 cursor, bool rolling) {
    first_ = first;
    last_ = std::max(last, first + kShortestMs);
    const bool cursorMoved = std::exchange(cursor_, cursor) != cursor;
    if (whole_ || length() >= last_ - first_) {
        whole_ = true;
        start_ = first_;
        end_ = last_;
        return;
    }
    const qint64 span = length();
    if (rolling) {
        end_ = last_;
        start_ = end_ - span;
    } else if (cursorMoved && (cursor_ < start_ || cursor_ > end_)) {
        // Moved to the cursor with a tenth of the span to spare, as a page turns.
        start_ = cursor_ < start_ ? cursor_ - span / 10 : cursor_ - span + span / 10;
        end_ = start_ + span;
    }
    keepWithinHistory();
}

void TimeSpan::zoom(double factor, qint64 around) {
    const qint64 whole = last_ - first_;
    const auto span = std::clamp<qint64>(std::llround(static_cast<double>(length()) * factor),
                                         kShortestMs, std::max(whole, kShortestMs));
    if (span >= whole) {
        whole_ = true;
        start_ = first_;
        end_ = last_;
        return;
    }
    whole_ = false;
    around = std::clamp(around, start_, end_);
    const double share = static_cast<double>(around - start_) / static_cast<double>(length());
    start_ = around - std::llround(share * static_cast<double>(span));
    end_ = start_ + span;
    keepWithinHistory();
}

void TimeSpan::pan(double shares) {
    if (whole_) return;
    const qint64 by = std::llround(shares * static_cast<double>(length()));
    start_ += by;
    end_ += by;
    keepWithinHistory();
}

void TimeSpan::keepWithinHistory() {
    const qint64 span = length();
    if (end_ > last_) end_ = last_, start_ = end_ - span;
    if (start_ < first_) start_ = first_, end_ = start_ + span;
}

}  // namespace forms
