#include "platform/how_it_works/records/history.h"

#include <algorithm>

#include "platform/properties/place.h"

namespace forms {

History::History(EventLog& log) : log_(log) {
    log_.onBeforeChange(
        [this](qint64 number, const EventLog::Row& row) { rowAboutToChange(number, row); });
}

void History::begin(qint64 time, Runner runner) {
    end();
    dropUndone();
    if (runs_.size() >= kMostRuns) runs_.pop_front();
    runs_.push_back({time, std::move(runner), log_.nextNumber(), 0, {}, {}});
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

bool History::goTo(std::size_t moment) {
    bool moved = false;
    while (this->moment() > moment && stepBack()) moved = true;
    while (this->moment() < moment && stepForward()) moved = true;
    return moved;
}

std::size_t History::runAfter(qint64 time) const {
    const auto after = std::ranges::upper_bound(runs_, time, {}, &Run::time);
    return static_cast<std::size_t>(after - runs_.begin());
}

void History::forEachChange(const void* target, std::size_t first, std::size_t last,
                            const ChangeVisit& visit) const {
    for (std::size_t run = first; run < std::min(last, runs_.size()); ++run)
        for (const Step& step : runs_[run].steps)
            if (step.what.where.target() == target) visit(run, step.to, step.now);
}

std::optional<WatchedValue> History::valueBefore(const void* target, std::size_t run) const {
    for (std::size_t r = std::min(run, runs_.size()); r-- > 0;)
        for (auto step = runs_[r].steps.rbegin(); step != runs_[r].steps.rend(); ++step)
            if (step->what.where.target() == target) return step->to;
    for (std::size_t r = run; r < runs_.size(); ++r)
        for (const Step& step : runs_[r].steps)
            if (step.what.where.target() == target) return step.from;
    return std::nullopt;
}

std::vector<Watched> History::valuesChanged() const {
    std::vector<Watched> values;
    for (const Run& run : runs_)
        for (const Step& step : run.steps)
            if (std::ranges::find(values, step.what.where.target(), [](const Watched& w) {
                    return w.where.target();
                }) == values.end())
                values.push_back(step.what);
    return values;
}

namespace {
bool madeBy(const auto& steps, int file, int line) {
    return std::ranges::any_of(steps, [&](const auto& step) {
        return step.now.by == Place::By::Code && step.now.file == file && step.now.line == line;
    });
}
}  // namespace

int History::runsOfLine(int file, int line, std::size_t end) const {
    int count = 0;
    for (std::size_t run = 0; run < std::min(end, runs_.size()); ++run)
        count += madeBy(runs_[run].steps, file, line) ? 1 : 0;
    return count;
}

std::optional<std::size_t> History::lastRunOfLine(int file, int line, std::size_t end) const {
    for (std::size_t run = std::min(end, runs_.size()); run-- > 0;)
        if (madeBy(runs_[run].steps, file, line)) return run;
    return std::nullopt;
}

std::optional<std::size_t> History::nextRunOfLine(int file, int line, std::size_t from) const {
    for (std::size_t run = from; run < runs_.size(); ++run)
        if (madeBy(runs_[run].steps, file, line)) return run;
    return std::nullopt;
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
