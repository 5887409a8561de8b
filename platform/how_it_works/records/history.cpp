#include "platform/how_it_works/records/history.h"

#include <algorithm>

#include "platform/properties/place.h"

namespace forms {

History::History(EventLog& log) : log_(log) {
    log_.onBeforeChange([this](qint64 number, const EventLog::Row& row, int entry) {
        rowAboutToChange(number, row, entry);
    });
}

History::Maker History::packed(const std::optional<Author>& author) {
    if (!author) return {};
    Maker maker;
    maker.line = author->line;
    maker.file = static_cast<std::int16_t>(author->file);
    maker.by = author->by;
    maker.unwatched = author->unwatched;
    maker.known = true;
    return maker;
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

// The program has a few handlers, run thousands of times: each run names its runner by number.
std::uint32_t History::runnerId(Runner runner) {
    const auto same = [&runner](const Runner& known) {
        return known.handler == runner.handler && known.index == runner.index &&
               known.effect == runner.effect && known.by == runner.by;
    };
    if (!runs_.empty() && same(runners_[runs_.back().runner])) return runs_.back().runner;
    const auto known = std::ranges::find_if(runners_, same);
    if (known != runners_.end()) return static_cast<std::uint32_t>(known - runners_.begin());
    runners_.push_back(std::move(runner));
    return static_cast<std::uint32_t>(runners_.size() - 1);
}

std::uint64_t History::endStepOf(std::size_t run) const {
    return run + 1 < runs_.size() ? runs_[run + 1].firstStep : stepsDropped_ + steps_.size();
}

std::uint64_t History::endEditOf(std::size_t run) const {
    return run + 1 < runs_.size() ? runs_[run + 1].firstEdit : editsDropped_ + edits_.size();
}

History::Stretch<std::deque<History::Step>::const_iterator> History::stepsOf(
    std::size_t run) const {
    const auto first =
        steps_.begin() + static_cast<std::ptrdiff_t>(runs_[run].firstStep - stepsDropped_);
    return {first, first + static_cast<std::ptrdiff_t>(endStepOf(run) - runs_[run].firstStep)};
}

History::Stretch<std::deque<RowEdit>::iterator> History::editsOf(std::size_t run) {
    const auto first =
        edits_.begin() + static_cast<std::ptrdiff_t>(runs_[run].firstEdit - editsDropped_);
    return {first, first + static_cast<std::ptrdiff_t>(endEditOf(run) - runs_[run].firstEdit)};
}

void History::begin(qint64 time, Runner runner) {
    end();
    dropUndone();
    if (runs_.size() >= kMostRuns) dropOldest();
    const std::uint32_t id = runnerId(std::move(runner));
    if (runnerRuns_.size() <= id) runnerRuns_.resize(id + std::size_t{1});
    runnerRuns_[id].push_back(numberOf(runs_.size()));
    runs_.push_back({time, log_.nextNumber(), stepsDropped_ + steps_.size(),
                     editsDropped_ + edits_.size(), 0, id});
    open_ = true;
}

void History::changed(const Watched& what, const WatchedValue& from, const WatchedValue& to,
                      const std::optional<Author>& before, const Author& now) {
    if (!open_ || !what.where.target()) return;
    const std::uint32_t target = targetOf(what);
    const std::uint64_t run = numberOf(runs_.size() - 1);
    steps_.push_back({target, packed(before), packed(now), KeptValue::keep(from, heavy_),
                      KeptValue::keep(to, heavy_)});
    auto& runs = targets_[target].runs;
    if (runs.empty() || runs.back() != run) runs.push_back(run);
    if (now.by != Place::By::Code || now.file < 0 || now.line <= 0) return;
    auto& lineRuns = lineRuns_[lineKey(now.file, now.line)];
    if (lineRuns.empty() || lineRuns.back() != run) lineRuns.push_back(run);
}

// The first time a run alters a row it did not make, what the row showed before; then each
// change of the row it overwrites.
void History::rowAboutToChange(qint64 number, const EventLog::Row& row, int entry) {
    if (!open_ || number >= runs_.back().firstNewRow) return;
    const auto first =
        edits_.begin() + static_cast<std::ptrdiff_t>(runs_.back().firstEdit - editsDropped_);
    auto edit = std::find_if(first, edits_.end(),
                             [number](const RowEdit& e) { return e.number() == number; });
    if (edit == edits_.end()) {
        edits_.emplace_back(number, row);
        edit = std::prev(edits_.end());
    }
    edit->noteOverwrite(row, entry);
}

void History::end() {
    if (!open_) return;
    open_ = false;
    Run& run = runs_.back();
    run.newRows = static_cast<std::uint32_t>(log_.nextNumber() - run.firstNewRow);
    const bool changedNothing = run.firstStep == stepsDropped_ + steps_.size() &&
                                run.firstEdit == editsDropped_ + edits_.size();
    if (changedNothing && run.newRows == 0) {
        runnerRuns_[run.runner].pop_back();
        runs_.pop_back();
    }
}

// The indexes keep the runs in order, so a run leaving at either end is at that end of each.
void History::dropOldest() {
    const std::uint64_t number = numberOf(0);
    for (const Step& step : stepsOf(0)) {
        auto& runs = targets_[step.target].runs;
        if (!runs.empty() && runs.front() == number) runs.pop_front();
    }
    for (auto& [line, runs] : lineRuns_)
        if (!runs.empty() && runs.front() == number) runs.pop_front();
    if (auto& own = runnerRuns_[runs_[0].runner]; !own.empty() && own.front() == number)
        own.pop_front();
    std::uint64_t heavy = 0;
    for (const Step& step : stepsOf(0))
        heavy += (step.from.isHeavy() ? 1 : 0) + (step.to.isHeavy() ? 1 : 0);
    heavy_.dropOldest(heavy);
    const std::uint64_t steps = endStepOf(0) - runs_[0].firstStep;
    const std::uint64_t edits = endEditOf(0) - runs_[0].firstEdit;
    steps_.erase(steps_.begin(), steps_.begin() + static_cast<std::ptrdiff_t>(steps));
    edits_.erase(edits_.begin(), edits_.begin() + static_cast<std::ptrdiff_t>(edits));
    stepsDropped_ += steps;
    editsDropped_ += edits;
    runs_.pop_front();
    ++dropped_;
}

qint64 History::rowOf(std::size_t run) const {
    if (run >= runs_.size()) return -1;
    const Run& r = runs_[run];
    if (r.newRows > 0) return r.firstNewRow;
    if (r.firstEdit == endEditOf(run)) return -1;
    return edits_[static_cast<std::size_t>(r.firstEdit - editsDropped_)].number();
}

void History::undoRows(std::size_t run) {
    const Run& r = runs_[run];
    for (qint64 n = r.firstNewRow; n < r.firstNewRow + r.newRows; ++n) log_.setUndone(n, true);
    for (RowEdit& edit : editsOf(run).backwards())
        if (EventLog::Row* row = log_.editable(edit.number())) edit.setBack(*row);
}

void History::redoRows(std::size_t run) {
    const Run& r = runs_[run];
    for (qint64 n = r.firstNewRow; n < r.firstNewRow + r.newRows; ++n) log_.setUndone(n, false);
    for (RowEdit& edit : editsOf(run))
        if (EventLog::Row* row = log_.editable(edit.number())) edit.setOn(*row);
}

// A value written again may move another the run changed (a new picture sizes its image, a
// caption its label) after that one was written: each ends as the moment had it, its first
// change's old value going back, its last change's new value going forward. A write that moves
// nothing else settles it at once; the passes are few however the controls answer.
template <typename Steps>
void History::settle(const Steps& steps, KeptValue Step::*kept) {
    constexpr int kMostPasses = 3;
    for (int pass = 0; pass < kMostPasses; ++pass) {
        std::vector<std::uint32_t> seen;
        bool wrote = false;
        for (const Step& step : steps) {
            if (std::ranges::find(seen, step.target) != seen.end()) continue;
            seen.push_back(step.target);
            const WriteBack& where = targets_[step.target].what.where;
            const WatchedValue value = valueOf(step.*kept);
            if (where.read() == value) continue;
            where.write(value, Place::of(Place::By::Runtime));
            wrote = true;
        }
        if (!wrote) return;
    }
}

bool History::stepBack() {
    end();
    if (undone_ >= runs_.size()) return false;
    ++undone_;
    const std::size_t run = runs_.size() - undone_;
    undoRows(run);
    for (const Step& step : stepsOf(run).backwards()) {
        const Watched& what = targets_[step.target].what;
        const WatchedValue from = valueOf(step.from);
        what.where.write(from, Place::of(Place::By::Runtime));
        rewritten_(what, from, unpacked(step.before));
    }
    settle(stepsOf(run), &Step::from);
    return true;
}

bool History::stepForward() {
    if (undone_ == 0) return false;
    const std::size_t run = runs_.size() - undone_;
    --undone_;
    redoRows(run);
    for (const Step& step : stepsOf(run)) {
        const Watched& what = targets_[step.target].what;
        const WatchedValue to = valueOf(step.to);
        what.where.write(to, Place::of(Place::By::Runtime));
        rewritten_(what, to, unpacked(step.now));
    }
    settle(stepsOf(run).backwards(), &Step::to);
    return true;
}

// Many runs at once: the rows of each are set back or on in turn (cheap), but each value is
// written once, as the moment has it: going back, as the earliest change gone over found it;
// going forward, as the latest left it.
bool History::goTo(std::size_t moment) {
    end();
    moment = std::min(moment, runs_.size());
    const std::size_t now = this->moment();
    if (moment + 1 == now) return stepBack();
    if (moment == now + 1) return stepForward();
    if (moment == now) return false;
    ++stamp_;
    touched_.clear();
    const auto note = [this](std::uint32_t target, const KeptValue& value, const Maker& maker) {
        Final& final = finals_[target];
        if (final.stamp != stamp_) touched_.push_back(target);
        final = {stamp_, value, maker};
    };
    if (moment < now) {
        for (std::size_t run = now; run-- > moment;) {
            undoRows(run);
            for (const Step& step : stepsOf(run).backwards())
                note(step.target, step.from, step.before);
        }
    } else {
        for (std::size_t run = now; run < moment; ++run) {
            redoRows(run);
            for (const Step& step : stepsOf(run)) note(step.target, step.to, step.now);
        }
    }
    undone_ = runs_.size() - moment;
    writeFinals();
    return true;
}

void History::writeFinals() {
    std::vector<WatchedValue> values;
    values.reserve(touched_.size());
    for (const std::uint32_t target : touched_) {
        const Watched& what = targets_[target].what;
        values.push_back(valueOf(finals_[target].value));
        what.where.write(values.back(), Place::of(Place::By::Runtime));
        rewritten_(what, values.back(), unpacked(finals_[target].maker));
    }
    constexpr int kMostPasses = 3;
    for (int pass = 0; pass < kMostPasses; ++pass) {
        bool wrote = false;
        for (std::size_t i = 0; i < touched_.size(); ++i) {
            const WriteBack& where = targets_[touched_[i]].what.where;
            if (where.read() == values[i]) continue;
            where.write(values[i], Place::of(Place::By::Runtime));
            wrote = true;
        }
        if (!wrote) return;
    }
}

void History::dropUndone() {
    if (undone_ == 0) return;
    const std::size_t firstGone = runs_.size() - undone_;
    const std::uint64_t firstNumber = numberOf(firstGone);
    qint64 firstRow = log_.nextNumber();
    for (std::size_t i = firstGone; i < runs_.size(); ++i)
        firstRow = std::min(firstRow, runs_[i].firstNewRow);
    steps_.erase(
        steps_.begin() + static_cast<std::ptrdiff_t>(runs_[firstGone].firstStep - stepsDropped_),
        steps_.end());
    edits_.erase(
        edits_.begin() + static_cast<std::ptrdiff_t>(runs_[firstGone].firstEdit - editsDropped_),
        edits_.end());
    runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(firstGone), runs_.end());
    undone_ = 0;
    for (Target& target : targets_)
        while (!target.runs.empty() && target.runs.back() >= firstNumber) target.runs.pop_back();
    for (auto& [line, runs] : lineRuns_)
        while (!runs.empty() && runs.back() >= firstNumber) runs.pop_back();
    for (auto& runs : runnerRuns_)
        while (!runs.empty() && runs.back() >= firstNumber) runs.pop_back();
    log_.dropFrom(firstRow);
}

void History::clear() {
    dropUndone();
    runs_.clear();
    steps_.clear();
    heavy_.clear();
    edits_.clear();
    dropped_ = stepsDropped_ = editsDropped_ = 0;
    open_ = false;
    targets_.clear();
    targetIds_.clear();
    finals_.clear();
    lineRuns_.clear();
    runnerRuns_.clear();
    runners_.clear();
}

}  // namespace forms
