#include "platform/how_it_works/records/recorder.h"

#include <utility>

#include "platform/values/errors.h"

namespace forms {

Recorder::Recorder(const CodeIndex* code, std::function<void()> handlerEnded)
    : code_(code), ended_(std::move(handlerEnded)) {
    // A step writes a value again with who had made it as of that moment.
    history_.onRewritten(
        [this](const Watched& what, const WatchedValue& value, const std::optional<Author>& by) {
            watch_.restored(what, value, by, now_());
        });
}

Recorder::~Recorder() {
    stop();
}

void Recorder::start() {
    if (recording_) return;
    recording_ = true;
    before_ = watcher();
    setWatcher(this);
    watch_.readAgain(now_());
}

void Recorder::stop() {
    if (!recording_) return;
    recording_ = false;
    setWatcher(before_);
    history_.clear();
    pictures_.clear();
    watch_.clearPauses();
}

// Every handler is held while values are written back: what shows changes, nothing runs.
bool Recorder::replay(const std::function<bool()>& move) {
    replaying_ = true;
    holdEvents_(true);
    const bool moved = move();
    holdEvents_(false);
    replaying_ = false;
    return moved;
}

void Recorder::formLoaded(const QString& form) {
    log_.loaded(form, runtimeTime_());
    if (before_) before_->formLoaded(form);
}

// The places the history and the Watch would write to may go with the form.
void Recorder::formUnloading() {
    history_.clear();
    watch_.forgetWriteBacks();
    if (before_) before_->formUnloading();
}

void Recorder::handlerStarted(const HandlerRun& run) {
    const KnownHandler& handler = knownHandler(run);
    running_ = handler.place;
    runningEffect_ = running_ ? running_->file : -1;
    lastForm_ = run.form;
    lastHandler_ = run.handler;
    lastRunLines_.clear();
    inHandler_ = true;
    lastBy_ = Place::By::Code;
    lastEffect_ = runningEffect_;
    ++runsStarted_;
    history_.begin(run.time, {handler.name, run.index, runningEffect_, handler.repeats});
    log_.begin(run, runningEffect_, handler.repeats);
    if (before_) before_->handlerStarted(run);
}

// Looked up once a handler: ten minutes of runs share a few names, and a timer's hundred runs
// a second cost one look-up each.
const Recorder::KnownHandler& Recorder::knownHandler(const HandlerRun& run) {
    const std::pair<QString, QString> key{run.form, run.handler};
    if (const auto known = handlers_.constFind(key); known != handlers_.cend()) return *known;
    return *handlers_.insert(
        key, {code_ ? code_->find(run.form, run.handler) : std::nullopt,
              run.form + QLatin1Char('.') + run.handler, EventLog::repeats(run.handler)});
}

void Recorder::handlerFailed(const RuntimeError& error) {
    log_.fail(error.number, error.description);
    if (before_) before_->handlerFailed(error);
}

void Recorder::changed(const Watched& what, const WatchedValue& fromAsIs,
                       const WatchedValue& toAsIs, const Place& place) {
    // The history tells the Watch who had made what it writes; a value a control moves in
    // answer (a label sized to a caption written back) shows as it is now.
    if (replaying_) return watch_.showValue(what, toAsIs, now_());
    const WatchedValue from = pictures_.shared(fromAsIs), to = pictures_.shared(toAsIs);
    if (!inHandler_ && startsARun(place.by)) beginOutsideHandlers(place.by);
    const Author author = authorOf(what, place);
    // One look-up of the value a change: the Watch tells who had made it before.
    const auto before = watch_.changed(what, to, author, runningEffect_, now_());
    history_.changed(what, from, to, before, author);
    markedChanged_ = markedChanged_ || watch_.pausesOn(what);
    if (running_ && author.file == running_->file && !lastRunLines_.contains(author.line))
        lastRunLines_.push_back(author.line);
    log_.change(what, from, to, author, runtimeTime_());
    if (before_) before_->changed(what, fromAsIs, toAsIs, place);
    if (!inHandler_) tellMarkedChange();
}

// Outside any handler, a change by someone else than the last begins a run of its own, and so
// does each value you try; what a control settles itself (a label sized to its new caption)
// belongs to the change that moved it.
bool Recorder::startsARun(Place::By by) const {
    if (!history_.running() || by == Place::By::You) return true;
    return by != lastBy_ && by != Place::By::Control;
}

// Changes made outside any handler (by the user, a control, the runtime or you) are a run of
// their own, which has no code.
void Recorder::beginOutsideHandlers(Place::By by) {
    history_.begin(runtimeTime_(), {{}, -1, -1, false, by});
    lastForm_.clear();
    lastHandler_.clear();
    lastRunLines_.clear();
    lastBy_ = by;
    lastEffect_ = -1;
    ++runsStarted_;
}

// The run stays open: what the control settles in answer (a label sized to the caption) still
// joins it.
void Recorder::tellMarkedChange() {
    if (!std::exchange(markedChanged_, false)) return;
    if (history_.runs() > 0) markedChange_(history_.runs() - 1);
}

// The line the compiler named, in the program's code as it was read; for a copy (`a = b`),
// the line of the running handler that says so.
Author Recorder::authorOf(const Watched& what, const Place& place) const {
    if (place.by != Place::By::Code || !code_) return {place.by};
    if (place.file) {
        const int file = code_->fileOf(place.file);
        return {place.by, file, code_->statementStart(file, place.line)};
    }
    if (!place.copiedFrom || !running_) return {};
    QString source = QLatin1String(place.copiedFrom);
    if (place.copiedOwner) source.prepend(*place.copiedOwner + QLatin1Char('.'));
    const int line = code_->lineIn(*running_, what.text() + QStringLiteral(" = ") + source);
    return {place.by, line < 0 ? -1 : running_->file, line + 1};
}

void Recorder::handlerEnded() {
    log_.end();
    history_.end();
    running_.reset();
    inHandler_ = false;
    if (before_) before_->handlerEnded();
    ended_();
    tellMarkedChange();
}

}  // namespace forms
