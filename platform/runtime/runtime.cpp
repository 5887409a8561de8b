#include "platform/runtime/runtime.h"

#include <QApplication>
#include <QScopeGuard>
#include <QWidget>
#include <algorithm>
#include <new>

#include "platform/files/paths.h"
#include "platform/runtime/boxes.h"

namespace forms {

namespace {

Runtime* g_current = nullptr;

constexpr int kErrorBox = vbOKOnly + vbCritical;

}  // namespace

Runtime::Runtime(std::unique_ptr<Clock> clock)
    : clock_(std::move(clock)), pace_(*clock_), timers_(pace_) {
    Q_ASSERT(!g_current);
    g_current = this;
    timers_.setHold([this] { return depth_ > 0 || ended_ || pace_.held(); });
    appPath_ = programDirectory();
}

Runtime::~Runtime() {
    help_.reset();  // it watches the forms: it goes first
    timers_.stopAll();
    unloaded_.clear();
    forms_.clear();
    g_current = nullptr;
}

Runtime& Runtime::current() {
    Q_ASSERT(g_current);
    return *g_current;
}

bool Runtime::exists() {
    return g_current != nullptr;
}

void Runtime::raise(const LoadedForm& form, const Event& event, EventArgs& args) {
    // A modal box blocks every other handler, also those that Qt's own timers would raise
    // (a button's key click, a scroll bar's auto-repeat).
    if (!event || ended_ || boxesOpen_ > 0 || eventsHeld_) return;
    if (depth_ > 0) {
        event.call(args);  // a handler's own call, such as loading another form: part of it
        return;
    }
    // The full name is made only for whoever needs it: a timer tick or a mouse move pays none.
    const auto handler = [&] { return form.handlerName(event.handler()); };
    Watcher* const watching = watcher();
    if (watching)
        watching->handlerStarted({form.Name(), event.handler(), args.Index.value(), pace_.now()});
    bool ending = false;
    ++depth_;
    try {
        event.call(args);
    } catch (const RuntimeError& error) {
        reportError(handler(), error);
    } catch (const std::bad_alloc&) {
        reportError(handler(), {kOutOfMemory, errorDescription(kOutOfMemory), {}, {}});
    } catch (const EndRequest&) {
        ending = true;
    }
    --depth_;
    if (watching) watching->handlerEnded();
    if (ending) return end();
    closePending();
    if (std::exchange(deleteAfterHandler_, false)) deleteUnloadedLater();
    timers_.fireDue();  // a timer that fell due meanwhile ticks now, once
}

void Runtime::stepTimer() {
    if (depth_ > 0 || boxesOpen_ > 0 || ended_ || !pace_.held()) return;
    if (const auto due = timers_.nextDue()) {
        pace_.moveTo(*due);
        timers_.fireNext();
    }
}

void Runtime::reportError(const QString& handler, const RuntimeError& error) {
    QString line = QStringLiteral("run-time error %1 (%2) in %3")
                       .arg(error.number)
                       .arg(error.description, handler);
    if (!programName_.isEmpty()) line.prepend(programName_ + QStringLiteral(": "));
    QString file = error.file;
    if (!error.reason.isEmpty()) file += QStringLiteral(": ") + error.reason;
    if (!file.isEmpty()) line += QStringLiteral(": ") + file;
    fprintf(stderr, "%s\n", qPrintable(line));
    fflush(stderr);
    if (Watcher* w = watcher()) w->handlerFailed(error);
    // A handler that keeps failing the same way (a timer, say) shows its box only once.
    if (!reported_.insert({handler, error.number}).second) return;
    QString prompt =
        QStringLiteral("Run-time error '%1':\n\n%2").arg(error.number).arg(error.description);
    if (!file.isEmpty()) prompt += QLatin1Char('\n') + file;
    ++depth_;
    showBox(prompt, kErrorBox, QCoreApplication::applicationName());
    --depth_;
}

void Runtime::end() {
    if (ended_) return;
    ended_ = true;
    pendingCloses_.clear();
    timers_.stopAll();
    files_.closeAll();
    for (LoadedForm* form : forms()) form->hideBy(Place::By::Runtime);
    if (help_) help_->hide();
    QCoreApplication::exit(0);
}

int Runtime::showBox(const QString& prompt, int buttons, const QString& title) {
    ++boxesOpen_;
    const auto closed = qScopeGuard([this] { --boxesOpen_; });
    if (boxHook_) return boxHook_(prompt, buttons, title);
    return runMessageBox(prompt, buttons, title, boxOwner());
}

QWidget* Runtime::boxOwner() const {
    QWidget* shown = nullptr;
    for (LoadedForm* form : forms()) {
        if (!form->isShown()) continue;
        if (form->window() == QApplication::activeWindow()) return form->window();
        if (!shown) shown = form->window();
    }
    return shown;
}

LoadedForm& Runtime::formOf(std::type_index type, std::unique_ptr<LoadedForm> (*make)()) {
    if (const auto it = forms_.find(type); it != forms_.end()) return *it->second;
    LoadedForm& form = *forms_.emplace(type, make()).first->second;
    if (Watcher* w = watcher()) w->formLoaded(form.Name());
    form.raiseLoad();
    return form;
}

void Runtime::requestClose(LoadedForm& form) {
    if (ended_) return;
    if (depth_ > 0) {
        if (std::find(pendingCloses_.begin(), pendingCloses_.end(), &form) == pendingCloses_.end())
            pendingCloses_.push_back(&form);
        return;
    }
    close(form);
}

void Runtime::close(LoadedForm& form) {
    if (form.closeBoxHides()) {
        form.hideBy(Place::By::User);
        return;
    }
    if (!form.queryUnload() || ended_) return;
    unload(form);
}

void Runtime::closePending() {
    while (!pendingCloses_.empty() && !ended_ && depth_ == 0) {
        LoadedForm* form = pendingCloses_.front();
        pendingCloses_.erase(pendingCloses_.begin());
        const auto all = forms();
        if (std::find(all.begin(), all.end(), form) != all.end()) close(*form);
    }
}

void Runtime::unload(LoadedForm& form) {
    for (auto it = forms_.begin(); it != forms_.end(); ++it) {
        if (it->second.get() != &form) continue;
        // Hidden first, so that a watcher forgets that change with the rest of the form's.
        form.hideBy(Place::By::Runtime);
        if (Watcher* w = watcher()) w->formUnloading();
        form.stopTimers();
        const bool startup = form.Name() == startupForm_;
        unloaded_.push_back(std::move(it->second));
        forms_.erase(it);
        std::erase(pendingCloses_, &form);
        // The form's window may be in the middle of handling the close: delete it later, from
        // the event loop.
        deleteUnloadedLater();
        if (startup || forms_.empty()) end();
        return;
    }
}

void Runtime::deleteUnloadedLater() {
    QMetaObject::invokeMethod(
        &unloading_, [this] { deleteUnloaded(); }, Qt::QueuedConnection);
}

// Never while a handler runs: it may belong to one of these forms (a box's event loop
// delivers queued calls too). Then it waits for the handler's return.
void Runtime::deleteUnloaded() {
    if (depth_ > 0) {
        deleteAfterHandler_ = true;
        return;
    }
    unloaded_.clear();
}

LoadedForm* Runtime::loadedStartupForm() const {
    for (LoadedForm* form : forms())
        if (form->Name() == startupForm_) return form;
    return nullptr;
}

void Runtime::showHelp() {
    if (!helpMaker_ || ended_) return;
    if (!help_) help_ = helpMaker_(*this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

std::vector<LoadedForm*> Runtime::forms() const {
    std::vector<LoadedForm*> all;
    for (const auto& [type, form] : forms_)
        if (form) all.push_back(form.get());
    return all;
}

}  // namespace forms
