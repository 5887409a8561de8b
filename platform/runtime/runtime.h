#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <typeindex>
#include <utility>
#include <vector>

#include "platform/files/files.h"
#include "platform/properties/watch.h"
#include "platform/runtime/events.h"
#include "platform/runtime/loaded_form.h"
#include "platform/time/clock.h"
#include "platform/time/scheduler.h"
#include "platform/values/errors.h"

class QWidget;

namespace forms {

class Form;  // the class every form derives from (platform/forms/form.h)

// Thrown by End(): it unwinds the running handler, and the runtime then ends the program.
struct EndRequest {};

// The runtime of one program run: the handler dispatch (one handler at a time), the timers'
// clock, the forms' instances, open files, the error report and the end of the program.
class Runtime {
  public:
    // Shows a question box and returns the button pressed; tests answer it instead of a user.
    using BoxHook = std::function<int(const QString& prompt, int buttons, const QString& title)>;

    explicit Runtime(std::unique_ptr<Clock> clock = std::make_unique<RealClock>());
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    static Runtime& current();
    static bool exists();

    // The one way a handler runs: raises an event of `form` or of one of its controls and runs
    // the handler bound to it, if any. Never two at once (a handler's own raise is part of it),
    // never while a box is open, never after the end. An untrapped error abandons the rest of
    // the handler and is reported (running out of memory as error 7); End() ends the program.
    // Closes that came while it ran are handled, and due timers fire, once it has returned.
    void raise(const LoadedForm& form, const Event& event, EventArgs& args);

    void reportError(const QString& handler, const RuntimeError& error);
    void end();
    bool hasEnded() const { return ended_; }

    int showBox(const QString& prompt, int buttons, const QString& title);
    // The window a box opens over: the active form's, else a shown form's; none before any
    // form is shown.
    QWidget* boxOwner() const;
    void setBoxHook(BoxHook hook) { boxHook_ = std::move(hook); }

    QString appPath() const { return appPath_; }
    void setAppPath(QString path) { appPath_ = std::move(path); }
    // The name the program is run by; its reports on stderr begin with it.
    void setProgramName(QString name) { programName_ = std::move(name); }

    // The time the timers run on: the clock the runtime was made with, paced (slowed down or
    // held still) by whoever watches the program run.
    PacedClock& clock() { return pace_; }
    // The clock the runtime was made with, unpaced: real time in the program.
    const Clock& unpacedClock() const { return *clock_; }
    // While the clock is held: moves time on to the next tick due and fires that one timer.
    void stepTimer();
    // While held, no handler runs: values written back by a watcher change what shows and
    // raise nothing.
    void holdEvents(bool held) { eventsHeld_ = held; }
    // A question box is open: nothing else runs until it is answered.
    bool boxOpen() const { return boxesOpen_ > 0; }
    TimerScheduler& timers() { return timers_; }
    FileTable& files() { return files_; }

    // The one instance of a form class, created (hidden, loaded) on first use.
    template <typename F>
    F& form() {
        return static_cast<F&>(formOf(
            typeid(F), []() -> std::unique_ptr<LoadedForm> { return std::make_unique<F>(); }));
    }
    template <typename F>
    bool hasForm() const {
        return forms_.count(std::type_index(typeid(F))) > 0;
    }
    // A form's window asks to close (its close box, the system, code): a form whose
    // description says so is hidden; any other raises Unload and, unless that cancels, is
    // discarded. While a handler runs (a box open, say) the close waits until that handler
    // has returned, so that no form goes inside its own code.
    void requestClose(LoadedForm& form);
    // Discards a form; a later use creates it afresh from its description. Unloading the
    // start-up form, or the last form, ends the program.
    void unload(LoadedForm& form);
    void setStartupForm(QString name) { startupForm_ = std::move(name); }
    // The start-up form, once loaded, as the form class it is (Form, unless asked otherwise).
    template <typename F = Form>
    F* startupForm() const {
        return static_cast<F*>(loadedStartupForm());
    }
    std::vector<LoadedForm*> forms() const;

    // The window that F1 in a form's window opens beside the program's own, such as one that
    // shows how the program works: made by `make` on first use and kept for the runtime's
    // life, and brought to the front when it shows already.
    using HelpMaker = std::function<std::unique_ptr<QWidget>(Runtime&)>;
    void offerHelp(HelpMaker make) { helpMaker_ = std::move(make); }
    void showHelp();

    // Counts every repaint of every control and form, so that tests can prove a redundant
    // property set costs nothing.
    quint64 repaints() const { return repaints_; }
    void countRepaint() { ++repaints_; }

  private:
    LoadedForm& formOf(std::type_index type, std::unique_ptr<LoadedForm> (*make)());
    LoadedForm* loadedStartupForm() const;
    void close(LoadedForm& form);
    void closePending();
    void deleteUnloaded();
    void deleteUnloadedLater();

    std::unique_ptr<Clock> clock_;
    PacedClock pace_;
    TimerScheduler timers_;
    FileTable files_;
    std::map<std::type_index, std::unique_ptr<LoadedForm>> forms_;
    std::vector<std::unique_ptr<LoadedForm>> unloaded_;  // deleted once their events are over
    std::vector<LoadedForm*> pendingCloses_;
    QString startupForm_;
    QObject unloading_;
    std::set<std::pair<QString, int>> reported_;
    BoxHook boxHook_;
    QString appPath_;
    QString programName_;
    int depth_ = 0;
    int boxesOpen_ = 0;
    bool ended_ = false;
    bool eventsHeld_ = false;
    bool deleteAfterHandler_ = false;
    quint64 repaints_ = 0;
    HelpMaker helpMaker_;
    std::unique_ptr<QWidget> help_;
};

}  // namespace forms
