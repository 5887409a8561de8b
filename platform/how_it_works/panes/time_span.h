#pragma once

#include <QtGlobal>

namespace forms {

// The stretch of the program's time the time strip and the Watch's plots show, on the
// runtime's clock in milliseconds, and the moment shown in it (the cursor). Each draws it
// across its own width; a time maps to the same share of each. It spans the whole history
// until zoomed in, down to kShortestMs, where a 10 ms tick stands well apart from the next;
// while time runs it rolls with now at its right end.
class TimeSpan {
  public:
    static constexpr qint64 kShortestMs = 50;

    qint64 start() const { return start_; }
    qint64 end() const { return end_; }
    qint64 length() const { return end_ - start_; }
    qint64 cursor() const { return cursor_; }
    bool whole() const { return whole_; }

    // Where a time falls across `width` pixels (0 at the start, `width` at the end), and the
    // time at a place: each the other's inverse, to within a millisecond.
    double xOf(qint64 time, int width) const;
    qint64 timeAt(double x, int width) const;

    // The history reaches from `first` to `last`; whole, the span is all of it. Zoomed in, the
    // span keeps its length and rolls with `last` (time runs) or stays, moved, when the cursor
    // has moved out of view, to show it again (time held).
    void show(qint64 first, qint64 last, qint64 cursor, bool rolling);
    // Shorter (factor below 1) or longer, keeping `around` where it is; as long as the history
    // or longer, the whole of it.
    void zoom(double factor, qint64 around);
    // Zoomed in, the span moved along the history by `shares` of its length, later where more
    // than 0; the cursor may go out of view until it next moves.
    void pan(double shares);

    bool operator==(const TimeSpan& other) const = default;

  private:
    void keepWithinHistory();

    qint64 first_ = 0, last_ = kShortestMs;
    qint64 start_ = 0, end_ = kShortestMs;
    qint64 cursor_ = 0;
    bool whole_ = true;
};

}  // namespace forms
