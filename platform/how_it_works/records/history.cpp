#include "platform/how_it_works/records/history.h"

#include <algorithm>

#include "platform/properties/place.h"

namespace forms {

History::History(EventLog& log) : log_(log) {
    log_.onBeforeChange(
        [this](qint64 number, const EventLog::Row& row) { rowAboutToChange(number, row); });
}

History::Maker History::packed(const std::optional<Author>& author) {
    if (!author) return {};
    return {author->line, static_cast<std::int16_t>(author->file), author->by, author->unwatched,
            true};
}

std::optional<Author> History::unpacked(const Maker& maker) {
    if (!maker.known) return std::nullopt;
    return Author{maker.by, maker.file, maker.line, maker.unwatched};
}

std::uint32_t History::targetOf(const Watched& what) {
    const auto known = targetIds_.constFind(what.where.target());
    if (known != targetIds_.constEnd()) return *known;
    const auto id = static_cast<std::uint32_t>(targets_.size());
    targets_.push_back({what, {}});
    finals_.emplace_back();
    targetIds_.insert(what.where.target(), id);
    return id;
}

void History::begin(qint64 time, Runner runner) {
    end();
    dropUndone();
    if (runs_.size() >= kMostRuns) dropOldest();
    runs_.push_back({time, std::move(runner), log_.nextNumber(), 0, {}, {}});
    open_ = true;
}

void History::changed(const Watched& what, const WatchedValue& from, const WatchedValue& to,
                      const std::optional<Author>& before, const Author& now) {
    if (!open_ || !what.where.target()) return;
    const std::uint32_t target = targetOf(what);
    const std::uint64_t run = numberOf(runs_.size() - 1);
    runs_.back().steps.push_back({target, packed(before), packed(now), from, to});
    auto& runs = targets_[target].runs;
    if (runs.empty() || runs.back() != run) runs.push_back(run);
    if (now.by != Place::By::Code || now.file < 0 || now.line <= 0) return;
    auto& lineRuns = lineRuns_[{now.file, now.line}];
    if (lineRuns.empty() || lineRuns.back() != run) lineRuns.push_back(run);
}

// The first time a run alters a row it did not make, what the row showed before.
void History::rowAboutToChange(qint64 number, const EventLog::Row& row) {
    if (!open_) return;
    Run& run = runs_.back();
    if (number >= run.firstNewRow) return;
    for (const RowChange& known : run.rows)
        if (known.number == number) return;
    run.rows.push_back({number, row});
}

void History::end() {
    if (!open_) return;
    open_ = false;
    Run& run = runs_.back();
    run.endNewRow = log_.nextNumber();
    if (!run.steps.empty() || !run.rows.empty() || run.endNewRow != run.firstNewRow) return;
    runs_.pop_back();
}

// The indexes keep the runs in order, so a run leaving at either end is at that end of each.
void History::dropOldest() {
    const std::uint64_t number = numberOf(0);
    for (const Step& step : runs_.front().steps) {
        auto& runs = targets_[step.target].runs;
        if (!runs.empty() && runs.front() == number) runs.pop_front();
    }
    for (auto& [line, runs] : lineRuns_)
        if (!runs.empty() && runs.front() == number) runs.pop_front();
    runs_.pop_front();
    ++dropped_;
}

qint64 History::rowOf(std::size_t run) const {
    if (run >= runs_.size()) return -1;
    const Run& r = runs_[run];
    if (r.endNewRow > r.firstNewRow) return r.firstNewRow;
    return r.rows.empty() ? -1 : r.rows.front().number;
}

// Each row a run altered swaps with what the log shows: before it, and after it once undone.
void History::undoRows(Run& run) {
    for (qint64 n = run.firstNewRow; n < run.endNewRow; ++n) log_.setUndone(n, true);
    for (auto row = run.rows.rbegin(); row != run.rows.rend(); ++row)
        log_.swapRow(row->number, row->other);
}

void History::redoRows(Run& run) {
    for (qint64 n = run.firstNewRow; n < run.endNewRow; ++n) log_.setUndone(n, false);
    for (RowChange& row : run.rows) log_.swapRow(row.number, row.other);
}

// A value written again may move another the run changed (a new picture sizes its image, a
// caption its label) after that one was written: each ends as the moment had it, its first
// change's old value going back, its last change's new value going forward. A write that moves
// nothing else settles it at once; the passes are few however the controls answer.
template <typename Steps>
void History::settle(Steps first, Steps last, WatchedValue Step::*value) {
    constexpr int kMostPasses = 3;
    for (int pass = 0; pass < kMostPasses; ++pass) {
        std::vector<std::uint32_t> seen;
        bool wrote = false;
        for (auto step = first; step != last; ++step) {
            if (std::ranges::find(seen, step->target) != seen.end()) continue;
            seen.push_back(step->target);
            const WriteBack& where = targets_[step->target].what.where;
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
    undoRows(run);
    for (auto step = run.steps.rbegin(); step != run.steps.rend(); ++step) {
        const Watched& what = targets_[step->target].what;
        what.where.write(step->from, Place::of(Place::By::Runtime));
        rewritten_(what, step->from, unpacked(step->before));
    }
    settle(run.steps.begin(), run.steps.end(), &Step::from);
    return true;
}

bool History::stepForward() {
    if (undone_ == 0) return false;
    Run& run = runs_[runs_.size() - undone_];
    --undone_;
    redoRows(run);
    for (const Step& step : run.steps) {
        const Watched& what = targets_[step.target].what;
        what.where.write(step.to, Place::of(Place::By::Runtime));
        rewritten_(what, step.to, unpacked(step.now));
    }
    settle(run.steps.rbegin(), run.steps.rend(), &Step::to);
    return true;
}

// Many runs at once: the rows of each swap in turn (cheap), but each value is written once, as
// the moment has it: going back, as the earliest change gone over found it; going forward, as
// the latest left it.
bool History::goTo(std::size_t moment) {
    end();
    moment = std::min(moment, runs_.size());
    const std::size_t now = this->moment();
    if (moment + 1 == now) return stepBack();
    if (moment == now + 1) return stepForward();
    if (moment == now) return false;
    ++stamp_;
    touched_.clear();
    const auto note = [this](std::uint32_t target, const WatchedValue& value, const Maker& maker) {
        Final& final = finals_[target];
        if (final.stamp != stamp_) touched_.push_back(target);
        final = {stamp_, &value, maker};
    };
    if (moment < now) {
        for (std::size_t r = now; r-- > moment;) {
            undoRows(runs_[r]);
            for (auto step = runs_[r].steps.rbegin(); step != runs_[r].steps.rend(); ++step)
                note(step->target, step->from, step->before);
        }
    } else {
        for (std::size_t r = now; r < moment; ++r) {
            redoRows(runs_[r]);
            for (const Step& step : runs_[r].steps) note(step.target, step.to, step.now);
        }
    }
    undone_ = runs_.size() - moment;
    writeFinals();
    return true;
}

void History::writeFinals() {
    for (const std::uint32_t target : touched_) {
        const Watched& what = targets_[target].what;
        what.where.write(*finals_[target].value, Place::of(Place::By::Runtime));
        rewritten_(what, *finals_[target].value, unpacked(finals_[target].maker));
    }
    constexpr int kMostPasses = 3;
    for (int pass = 0; pass < kMostPasses; ++pass) {
        bool wrote = false;
        for (const std::uint32_t target : touched_) {
            const WriteBack& where = targets_[target].what.where;
            if (where.read() == *finals_[target].value) continue;
            where.write(*finals_[target].value, Place::of(Place::By::Runtime));
            wrote = true;
        }
        if (!wrote) return;
    }
}

void History::dropUndone() {
    if (undone_ == 0) return;
    const std::uint64_t firstGone = numberOf(runs_.size() - undone_);
    qint64 firstRow = log_.nextNumber();
    for (std::size_t i = runs_.size() - undone_; i < runs_.size(); ++i)
        firstRow = std::min(firstRow, runs_[i].firstNewRow);
    runs_.erase(runs_.end() - static_cast<std::ptrdiff_t>(undone_), runs_.end());
    undone_ = 0;
    for (Target& target : targets_)
        while (!target.runs.empty() && target.runs.back() >= firstGone) target.runs.pop_back();
    for (auto& [line, runs] : lineRuns_)
        while (!runs.empty() && runs.back() >= firstGone) runs.pop_back();
    log_.dropFrom(firstRow);
}

void History::clear() {
    dropUndone();
    runs_.clear();
    dropped_ = 0;
    open_ = false;
    targets_.clear();
    targetIds_.clear();
    finals_.clear();
    lineRuns_.clear();
}

}  // namespace forms
