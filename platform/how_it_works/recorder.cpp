#include "platform/how_it_works/recorder.h"

#include "platform/values/errors.h"

namespace forms {

Recorder::Recorder(const CodeIndex* code, std::function<void()> handlerEnded)
    : code_(code), ended_(std::move(handlerEnded)) {}

Recorder::~Recorder() {
    stop();
}

void Recorder::start() {
    if (recording_) return;
    recording_ = true;
    before_ = watcher();
    setWatcher(this);
}

void Recorder::stop() {
    if (!recording_) return;
    recording_ = false;
    setWatcher(before_);
}

int Recorder::partOf(const QString& form, const QString& handler) const {
    if (!code_) return -1;
    const auto place = code_->find(form, handler);
    return place ? place->file : -1;
}

void Recorder::handlerStarted(const HandlerRun& run) {
    runningPart_ = partOf(run.form, run.handler);
    lastForm_ = run.form;
    lastHandler_ = run.handler;
    log_.begin(run, runningPart_);
    if (before_) before_->handlerStarted(run);
}

void Recorder::handlerFailed(const RuntimeError& error) {
    log_.fail(error.number, error.description);
    if (before_) before_->handlerFailed(error);
}

void Recorder::changed(const Watched& what, const WatchedValue& from, const WatchedValue& to) {
    log_.change(what, from, to);
    watch_.changed(what, to, runningPart_, now_());
    if (before_) before_->changed(what, from, to);
}

void Recorder::handlerEnded() {
    log_.end();
    if (before_) before_->handlerEnded();
    ended_();
}

}  // namespace forms
