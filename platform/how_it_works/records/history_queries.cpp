// What the pictures of time ask of the history: who ran when, each value's changes, each line's
// runs. Each is a binary search in an index the recording keeps, not a walk over every run.
#include <algorithm>

#include "platform/how_it_works/records/history.h"

namespace forms {

std::size_t History::runAfter(qint64 time) const {
    const auto after = std::ranges::upper_bound(runs_, time, {}, &Run::time);
    return static_cast<std::size_t>(after - runs_.begin());
}

std::size_t History::nextRunOf(std::size_t runner, std::size_t from, qint64 time) const {
    RunsOf runs = runsOf(runner);
    runs.skipTo(from, time);
    return runs.run();
}

History::RunsOf History::runsOf(std::size_t runner) const {
    return {*this, runner < runnerRuns_.size() ? &runnerRuns_[runner] : nullptr};
}

std::size_t History::RunsOf::run() const {
    return own_ && at_ < own_->size() ? history_.runAt((*own_)[at_]) : history_.runs();
}

// Galloping: the steps double while they stay short of the goal, then halve back onto it.
void History::RunsOf::skipTo(std::size_t from, qint64 time) {
    const auto shortOf = [&](std::size_t at) {
        const std::size_t run = history_.runAt((*own_)[at]);
        return run < from || history_.runs_[run].time < time;
    };
    if (!own_ || at_ >= own_->size() || !shortOf(at_)) return;
    std::size_t low = at_, step = 1;  // low is short of the goal, low + step may not be
    while (low + step < own_->size() && shortOf(low + step)) {
        low += step;
        step *= 2;
    }
    std::size_t high = std::min(low + step, own_->size());
    while (high - low > 1) {
        const std::size_t middle = low + (high - low) / 2;
        (shortOf(middle) ? low : high) = middle;
    }
    at_ = high;
}

QStringList History::ownersChangedBy(std::size_t run) const {
    QStringList owners;
    for (const Step& step : stepsOf(run)) {
        const QString& owner = targets_[step.target].what.owner;
        if (!owner.isEmpty() && !owners.contains(owner)) owners << owner;
    }
    return owners;
}

QList<int> History::linesOf(std::size_t run, int file) const {
    QList<int> lines;
    for (const Step& step : stepsOf(run))
        if (step.now.by == Place::By::Code && step.now.file == file && step.now.line > 0 &&
            !lines.contains(step.now.line))
            lines << step.now.line;
    return lines;
}

const History::Target* History::targetAt(const void* target) const {
    const auto id = targetIds_.constFind(target);
    return id == targetIds_.constEnd() ? nullptr : &targets_[*id];
}

void History::forEachChange(const void* target, std::size_t first, std::size_t last,
                            const ChangeVisit& visit) const {
    forEachStep(target, first, last, [&](std::size_t run, const Step& step) {
        visit(run, valueOf(step.to), *unpacked(step.now));
    });
}

std::optional<WatchedValue> History::valueBefore(const void* target, std::size_t run) const {
    const Target* known = targetAt(target);
    if (!known || known->runs.empty()) return std::nullopt;
    const std::uint32_t id = targetIds_.value(target);
    const auto after = std::ranges::lower_bound(known->runs, numberOf(run));
    if (after != known->runs.begin()) {
        for (const Step& step : stepsOf(runAt(*std::prev(after))).backwards())
            if (step.target == id) return valueOf(step.to);
    }
    for (const Step& step : stepsOf(runAt(*after)))
        if (step.target == id) return valueOf(step.from);
    return std::nullopt;
}

std::vector<Watched> History::valuesChanged() const {
    std::vector<Watched> values;
    for (const Target& target : targets_)
        if (!target.runs.empty()) values.push_back(target.what);
    return values;
}

const std::deque<std::uint64_t>* History::lineRunsOf(int file, int line) const {
    const auto runs = lineRuns_.find(lineKey(file, line));
    return runs == lineRuns_.end() ? nullptr : &runs->second;
}

int History::runsOfLine(int file, int line, std::size_t end) const {
    const auto* runs = lineRunsOf(file, line);
    if (!runs) return 0;
    return static_cast<int>(std::ranges::lower_bound(*runs, numberOf(end)) - runs->begin());
}

std::optional<std::size_t> History::lastRunOfLine(int file, int line, std::size_t end) const {
    const auto* runs = lineRunsOf(file, line);
    if (!runs) return std::nullopt;
    const auto after = std::ranges::lower_bound(*runs, numberOf(end));
    if (after == runs->begin()) return std::nullopt;
    return runAt(*std::prev(after));
}

std::optional<std::size_t> History::nextRunOfLine(int file, int line, std::size_t from) const {
    const auto* runs = lineRunsOf(file, line);
    if (!runs) return std::nullopt;
    const auto next = std::ranges::lower_bound(*runs, numberOf(from));
    if (next == runs->end()) return std::nullopt;
    return runAt(*next);
}

}  // namespace forms
