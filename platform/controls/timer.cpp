#include "platform/controls/timer.h"

#include "platform/runtime/runtime.h"

namespace forms {

Timer::Timer(LoadedForm& form, const ControlDesc& desc, QString name, int index, QWidget*)
    : Control(form, desc, std::move(name), index) {
    Interval.initialise(desc.set.Interval);
    restart();
}

Timer::~Timer() {
    stop();
}

void Timer::stop() {
    Runtime::current().timers().stop(this);
}

void Timer::enabledChanged() {
    restart();
}

QString Timer::refusedInterval(const Integer& interval) const {
    return interval < 0 ? QStringLiteral("An Interval is never below 0.") : QString();
}

void Timer::restart() {
    for (const auto& changed : runningWatchers_) changed();
    if (!Enabled || Interval <= 0) {
        stop();
        return;
    }
    Runtime::current().timers().start(this, Interval.get().value(), [this] {
        EventArgs args;
        Runtime::current().raise(Parent(), Tick, args);
    });
}

}  // namespace forms
