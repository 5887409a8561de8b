#pragma once

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <iterator>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/how_it_works/records/event_log.h"
#include "platform/how_it_works/records/kept_value.h"
#include "platform/how_it_works/records/row_edit.h"
#include "platform/properties/watch.h"

namespace forms {

// Time both ways: the runs recorded, oldest first, each with every change it made (the old and
// the new value, and the way to write them again) and what the Events rows it altered showed
// before it (what they showed after it is kept when it is stepped back over). A step back writes a
// run's old values, newest change first, and sets its rows back; a step forward writes its new
// values again: no handler runs either way. Going straight to a moment writes each value once,
// however many runs lie between. Runs stepped back over stay until stepped forward or dropped.
// The oldest runs go beyond kMostRuns, and then can no longer be stepped back over.
class History {
  public:
    // Ten minutes of every timer effect at full speed (125 runs a second).
    static constexpr std::size_t kMostRuns = 75000;

    explicit History(EventLog& log);

    // Who a run was: a handler's ("frmAnimate.Timer4_Timer", for a control array member with
    // its Index, of an effect or none, and whether it repeats, as a timer's tick or a pointer
    // move does), or changes made outside any handler (no handler) by someone else than the
    // code.
    struct Runner {
        QString handler;
        int index = -1;  // of the control array member whose event it answers
        int effect = -1;
        bool repeats = false;
        Place::By by = Place::By::Code;
    };

    // Recording: a run starts at a time on the runtime's clock (a handler, or changes made
    // outside any), changes, and ends. Each change comes with who had made the value before
    // (none for its first change) and who made it now.
    void begin(qint64 time, Runner runner);
    void begin(qint64 time) { begin(time, Runner{}); }
    void changed(const Watched& what, const WatchedValue& from, const WatchedValue& to,
                 const std::optional<Author>& before, const Author& now);
    void end();
    bool running() const { return open_; }

    // Told of each value a step writes again, with who had made it as of that moment (none:
    // not changed yet), whether or not the value itself differs from what it holds.
    using Rewritten = std::function<void(const Watched& what, const WatchedValue& value,
                                         const std::optional<Author>& author)>;
    void onRewritten(Rewritten told) { rewritten_ = std::move(told); }

    std::size_t runs() const { return runs_.size(); }
    std::size_t undone() const { return undone_; }
    // The moment shown: how many runs are done (not stepped back over); the last done is
    // `moment() - 1`.
    std::size_t moment() const { return runs_.size() - undone_; }
    // The Events row a run went to first, by the log's numbering; -1 for none.
    qint64 rowOf(std::size_t run) const;
    // When a run began, on the runtime's clock; -1 for no such run.
    qint64 timeOf(std::size_t run) const { return run < runs_.size() ? runs_[run].time : -1; }
    const Runner& runnerOf(std::size_t run) const { return runners_[runs_[run].runner]; }
    // Every runner the history has known, by number; each run's, by its runner's number.
    const std::vector<Runner>& runners() const { return runners_; }
    // The first run at or after `from` that `runner` ran and that began at or after `time`;
    // runs() where none did.
    std::size_t nextRunOf(std::size_t runner, std::size_t from, qint64 time) const;
    // A runner's runs walked forward: a step to a run a few ahead takes a few looks, one far
    // ahead a binary search. Valid while the history records nothing new.
    class RunsOf {
      public:
        // The run it is at; runs() past the runner's last.
        std::size_t run() const;
        // To the first of the runner's runs at or after `from` that began at or after `time`,
        // never back.
        void skipTo(std::size_t from, qint64 time);

      private:
        friend class History;
        RunsOf(const History& history, const std::deque<std::uint64_t>* own)
            : history_(history), own_(own) {}
        const History& history_;
        const std::deque<std::uint64_t>* own_;  // none for a runner the history never knew
        std::size_t at_ = 0;
    };
    RunsOf runsOf(std::size_t runner) const;
    // The first run that began after `time` (runs() where none did).
    std::size_t runAfter(qint64 time) const;
    // The controls a run changed, in the order it changed them (a form's own name for the
    // form's properties; none for variables), and the lines of `file` whose statements did.
    QStringList ownersChangedBy(std::size_t run) const;
    QList<int> linesOf(std::size_t run, int file) const;

    // The changes of one value (by its WriteBack's target) in the runs [first, last), oldest
    // first: the run, the value it left and who made it.
    using ChangeVisit =
        std::function<void(std::size_t run, const WatchedValue& value, const Author& author)>;
    void forEachChange(const void* target, std::size_t first, std::size_t last,
                       const ChangeVisit& visit) const;
    // The same changes as kept, for one who reads only part of each (a plot of ten minutes of
    // a timer's changes, four times a second): `visit(run, const KeptValue&)`; a kept value
    // made whole by valueOf().
    template <typename Visit>
    void forEachKept(const void* target, std::size_t first, std::size_t last, Visit&& visit) const {
        forEachStep(target, first, last,
                    [&visit](std::size_t run, const Step& step) { visit(run, step.to); });
    }
    WatchedValue valueOf(const KeptValue& kept) const { return kept.value(heavy_); }
    // The value as it was before a run: as its latest change before the run left it, or as its
    // first change after found it; none where the history never changed it.
    std::optional<WatchedValue> valueBefore(const void* target, std::size_t run) const;
    // Every value the history changed, once each, in the order it first did.
    std::vector<Watched> valuesChanged() const;

    // A line of a code file and the runs whose changes it made: how many in [0, end), the
    // latest of them before `end`, the first at or after `from`.
    int runsOfLine(int file, int line, std::size_t end) const;
    std::optional<std::size_t> lastRunOfLine(int file, int line, std::size_t end) const;
    std::optional<std::size_t> nextRunOfLine(int file, int line, std::size_t from) const;

    // One run back or forward; whether there was one. The caller holds the program's events
    // and tells its watcher that what is written is a replay.
    bool stepBack();
    bool stepForward();
    // Straight to a moment (see moment()), as far as there are runs; whether it moved.
    bool goTo(std::size_t moment);
    // The runs stepped back over leave the history and their rows leave the log.
    void dropUndone();
    void clear();

  private:
    // Who made a value, packed: a run keeps two for each change.
    struct Maker {
        std::int32_t line = 0;
        std::int16_t file = -1;
        Place::By by = Place::By::Code;
        bool unwatched : 1 = false;
        bool known : 1 = false;  // false: nobody had made it yet
    };
    struct Step {
        std::uint32_t target;  // in targets_
        Maker before, now;
        KeptValue from, to;
    };
    // A run, small: its changes and row edits lie in the history's own queues, from its first
    // to the next run's first; who ran it, in a table of runners.
    struct Run {
        qint64 time = 0;
        qint64 firstNewRow = 0;
        std::uint64_t firstStep = 0, firstEdit = 0;  // numbered since the history began
        std::uint32_t newRows = 0;                   // the rows it made
        std::uint32_t runner = 0;                    // in runners_
    };
    // A value the history changed: the way back into it, and the runs that changed it, by their
    // number since the history began (several times for a run that changed it more than once).
    struct Target {
        Watched what;
        std::deque<std::uint64_t> runs;
    };
    // The value each target ends with while going over many runs, and who made it.
    struct Final {
        std::uint64_t stamp = 0;
        KeptValue value;
        Maker maker;
    };

    static Maker packed(const std::optional<Author>& author);
    static std::optional<Author> unpacked(const Maker& maker);
    std::uint32_t targetOf(const Watched& what);
    std::uint64_t numberOf(std::size_t run) const { return dropped_ + run; }
    static std::uint64_t lineKey(int file, int line) {
        return (std::uint64_t{static_cast<std::uint32_t>(file)} << 32) |
               static_cast<std::uint32_t>(line);
    }
    void dropOldest();
    void rowAboutToChange(qint64 number, const EventLog::Row& row, int entry);
    void undoRows(std::size_t run);
    void redoRows(std::size_t run);
    std::uint32_t runnerId(Runner runner);
    // A run's stretch of one of the queues, walked either way. (Plain iterators: not every
    // compiler the project builds with takes a view of a deque's.)
    template <typename Iterator>
    struct Stretch {
        Iterator first, last;
        Iterator begin() const { return first; }
        Iterator end() const { return last; }
        Stretch<std::reverse_iterator<Iterator>> backwards() const {
            return {std::reverse_iterator(last), std::reverse_iterator(first)};
        }
    };
    // A run's changes and row edits.
    Stretch<std::deque<Step>::const_iterator> stepsOf(std::size_t run) const;
    Stretch<std::deque<RowEdit>::iterator> editsOf(std::size_t run);
    std::uint64_t endStepOf(std::size_t run) const;
    std::uint64_t endEditOf(std::size_t run) const;
    void writeFinals();
    template <typename Steps>
    void settle(const Steps& steps, KeptValue Step::*value);
    std::size_t runAt(std::uint64_t number) const { return number - dropped_; }
    const std::deque<std::uint64_t>* lineRunsOf(int file, int line) const;
    const Target* targetAt(const void* target) const;
    // Each change of a target in the runs [first, last): `visit(run, const Step&)`.
    template <typename Visit>
    void forEachStep(const void* target, std::size_t first, std::size_t last, Visit&& visit) const {
        const Target* known = targetAt(target);
        if (!known) return;
        const auto id = static_cast<std::uint32_t>(known - targets_.data());
        const std::uint64_t end = numberOf(std::min(last, runs_.size()));
        for (auto run = std::ranges::lower_bound(known->runs, numberOf(first));
             run != known->runs.end() && *run < end; ++run)
            for (const Step& step : stepsOf(runAt(*run)))
                if (step.target == id) visit(runAt(*run), step);
    }

    EventLog& log_;
    std::deque<Run> runs_;
    std::uint64_t dropped_ = 0;  // runs gone from the front, so that a run keeps its number
    std::deque<Step> steps_;
    HeavyValues heavy_;  // the texts and pictures of the steps
    std::uint64_t stepsDropped_ = 0;
    std::deque<RowEdit> edits_;
    std::uint64_t editsDropped_ = 0;
    std::vector<Runner> runners_;
    std::size_t undone_ = 0;  // the newest runs, stepped back over
    bool open_ = false;
    std::vector<Target> targets_;
    QHash<const void*, std::uint32_t> targetIds_;
    // By file and line (lineKey): the runs whose statements there made changes.
    std::unordered_map<std::uint64_t, std::deque<std::uint64_t>> lineRuns_;
    std::vector<std::deque<std::uint64_t>> runnerRuns_;  // by runner: its runs, by number
    std::vector<Final> finals_;                          // by target
    std::vector<std::uint32_t> touched_;
    std::uint64_t stamp_ = 0;
    Rewritten rewritten_ = [](const Watched&, const WatchedValue&, const std::optional<Author>&) {};
};

}  // namespace forms
