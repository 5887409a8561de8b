#include "platform/how_it_works/history.h"

#include <algorithm>

#include "platform/properties/place.h"

namespace forms {

History::History(EventLog& log) : log_(log) {
    log_.onBeforeChange(
        [this](qint64 number, const EventLog::Row& row) { rowAboutToChange(number, row); });
}

void History::begin(qint64 time) {
    end();
    dropUndone();
    if (runs_.size() >= kMostRuns) runs_.pop_front();
    runs_.push_back({time, log_.nextNumber(), 0, {}, {}});
    open_ = true;
}

void History::changed(const Watched& what, const WatchedValue& from, const WatchedValue& to,
                      const std::optional<Author>& before, const Author& now) {
    if (!open_ || !what.where.target()) return;
    runs_.back().steps.push_back({what, from, to, before, now});
}

// The first time a run alters a row it did not make, what the row showed before.
void History::rowAboutToChange(qint64 number, const EventLog::Row& row) {
    if (!open_) return;
    Run& run = runs_.back();
    if (number >= run.firstNewRow) return;
    for (const RowChange& known : run.rows)
        if (known.number == number) return;
    run.rows.push_back({number, row, {}});
}

void History::end() {
    if (!open_) return;
    open_ = false;
    Run& run = runs_.back();
    run.endNewRow = log_.nextNumber();
    if (run.steps.empty() && run.rows.empty() && run.endNewRow == run.firstNewRow) runs_.pop_back();
}

qint64 History::rowOf(std::size_t run) const {
    if (run >= runs_.size()) return -1;
    const Run& r = runs_[run];
    if (r.endNewRow > r.firstNewRow) return r.firstNewRow;
    return r.rows.empty() ? -1 : r.rows.front().number;
}

QStringList History::ownersChangedBy(std::size_t run) const {
    QStringList owners;
    for (const Step& step : runs_[run].steps)
        if (!step.what.owner.isEmpty() && !owners.contains(step.what.owner))
            owners << step.what.owner;
    return owners;
}

QList<int> History::linesOf(std::size_t run, int file) const {
    QList<int> lines;
    for (const Step& step : runs_[run].steps)
        if (step.now.by == Place::By::Code && step.now.file == file && step.now.line > 0 &&
            !lines.contains(step.now.line))
            lines << step.now.line;
    return lines;
}

// A value written again may move another the run changed (a new picture sizes its image, a
// caption its label) after that one was written: each ends as the moment had it, its first
// change's old value going back, its last change's new value going forward. A write that moves
// nothing else settles it at once; the passes are few however the controls answer.
template <typename Steps>
void History::settle(Steps first, Steps last, WatchedValue Step::*value) {
    constexpr int kMostPasses = 3;
    for (int pass = 0; pass < kMostPasses; ++pass) {
        std::vector<const void*> seen;
        bool wrote = false;
        for (auto step = first; step != last; ++step) {
            const WriteBack& where = step->what.where;
            if (std::ranges::find(seen, where.target()) != seen.end()) continue;
            seen.push_back(where.target());
            if (where.read() == (*step).*value) continue;
            where.write((*step).*value, Place::of(Place::By::Runtime));
            wrote = true;
        }
        if (!wrote) return;
    }
}

bool History::stepBack() {
    end();
    if (undone_ >= runs_.size()) return false;
    ++undone_;
    Run& run = runs_[runs_.size() - undone_];
    // Every later run is undone, so the rows show what this run left: kept now for its redo.
    for (RowChange& row : run.rows)
        if (const EventLog::Row* now = log_.rowNumbered(row.number)) row.after = *now;
    for (qint64 n = run.firstNewRow; n < run.endNewRow; ++n) log_.setUndone(n, true);
    for (auto row = run.rows.rbegin(); row != run.rows.rend(); ++row)
        log_.restore(row->number, row->before);
    for (auto step = run.steps.rbegin(); step != run.steps.rend(); ++step) {
        step->what.where.write(step->from, Place::of(Place::By::Runtime));
        rewritten_(step->what, step->from, step->before);
    }
    settle(run.steps.begin(), run.steps.end(), &Step::from);
    return true;
}

bool History::stepForward() {
    if (undone_ == 0) return false;
    const Run& run = runs_[runs_.size() - undone_];
    --undone_;
    for (qint64 n = run.firstNewRow; n < run.endNewRow; ++n) log_.setUndone(n, false);
    for (const RowChange& row : run.rows) log_.restore(row.number, row.after);
    for (const Step& step : run.steps) {
        step.what.where.write(step.to, Place::of(Place::By::Runtime));
        rewritten_(step.what, step.to, step.now);
    }
    settle(run.steps.rbegin(), run.steps.rend(), &Step::to);
    return true;
}

void History::dropUndone() {
    if (undone_ == 0) return;
    qint64 first = log_.nextNumber();
    for (std::size_t i = runs_.size() - undone_; i < runs_.size(); ++i)
        first = std::min(first, runs_[i].firstNewRow);
    runs_.erase(runs_.end() - static_cast<std::ptrdiff_t>(undone_), runs_.end());
    undone_ = 0;
    log_.dropFrom(first);
}

void History::clear() {
    dropUndone();
    runs_.clear();
    open_ = false;
}

}  // namespace forms
