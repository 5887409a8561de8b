#pragma once

#include <deque>
#include <vector>

#include "platform/how_it_works/event_log.h"
#include "platform/properties/watch.h"

namespace forms {

// Time both ways: the runs recorded, oldest first, each with every change it made (the old and
// the new value, and the way to write them again) and what the Events rows it altered showed
// before it (what they showed after it is kept when it is stepped back over). A step back writes a
// run's old values, newest change first, and sets its rows back; a step forward writes its new
// values again: no handler runs either way. Runs stepped back over stay until stepped forward or
// dropped. The oldest runs go beyond kMostRuns, and then can no longer be stepped back over.
class History {
  public:
    // More than a minute of every timer effect at full speed (125 runs a second).
    static constexpr std::size_t kMostRuns = 9000;

    explicit History(EventLog& log);

    // Recording: a run starts (a handler, or changes made outside any), changes, and ends.
    void begin();
    void changed(const Watched& what, const WatchedValue& from, const WatchedValue& to);
    void end();
    bool running() const { return open_; }

    std::size_t runs() const { return runs_.size(); }
    std::size_t undone() const { return undone_; }
    // The Events row a run went to first, by the log's numbering; -1 for none.
    qint64 rowOf(std::size_t run) const;
    // One run back or forward; whether there was one. The caller holds the program's events
    // and tells its watcher that what is written is a replay.
    bool stepBack();
    bool stepForward();
    // The runs stepped back over leave the history and their rows leave the log.
    void dropUndone();
    void clear();

  private:
    struct Step {
        WriteBack where;
        WatchedValue from, to;
    };
    struct RowChange {
        qint64 number;
        EventLog::Row before, after;  // after: once stepped back over
    };
    struct Run {
        qint64 firstNewRow = 0, endNewRow = 0;  // the rows it made
        std::vector<RowChange> rows;            // the rows already there it altered
        std::vector<Step> steps;
    };
    void rowAboutToChange(qint64 number, const EventLog::Row& row);

    EventLog& log_;
    std::deque<Run> runs_;
    std::size_t undone_ = 0;  // the newest runs, stepped back over
    bool open_ = false;
};

}  // namespace forms
