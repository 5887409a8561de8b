#include "platform/time/scheduler.h"

#include <algorithm>

#include "platform/time/clock.h"

namespace forms {

void TimerScheduler::start(const void* timer, qint64 interval, Fire fire) {
    stop(timer);
    if (interval <= 0) return;
    entries_.push_back({timer, interval, clock_.now() + interval, std::move(fire)});
    rearm();
}

void TimerScheduler::stop(const void* timer) {
    std::erase_if(entries_, [timer](const Entry& e) { return e.timer == timer; });
    rearm();
}

void TimerScheduler::stopAll() {
    entries_.clear();
    clock_.cancelWake();
}

TimerScheduler::Entry* TimerScheduler::earliestDue(qint64 now) {
    Entry* earliest = nullptr;
    for (Entry& e : entries_)
        if (e.due <= now && (!earliest || e.due < earliest->due)) earliest = &e;
    return earliest;
}

void TimerScheduler::fireDue() {
    if (firing_ || (held_ && held_())) return;
    firing_ = true;
    // Each timer fires at most once per pass, however far behind it is.
    std::vector<const void*> fired;
    const qint64 passStart = clock_.now();
    while (Entry* e = earliestDue(passStart)) {
        if (std::find(fired.begin(), fired.end(), e->timer) != fired.end()) break;
        fired.push_back(e->timer);
        fire(*e);
        if (held_ && held_()) break;
    }
    firing_ = false;
    rearm();
}

std::optional<qint64> TimerScheduler::nextDue() const {
    std::optional<qint64> next;
    for (const Entry& e : entries_)
        if (!next || e.due < *next) next = e.due;
    return next;
}

void TimerScheduler::fireNext() {
    if (firing_) return;
    Entry* e = earliestDue(clock_.now());
    if (!e) return;
    firing_ = true;
    fire(*e);
    firing_ = false;
    rearm();
}

void TimerScheduler::fire(Entry& e) {
    const qint64 now = clock_.now();
    e.due += e.interval;
    if (e.due <= now) e.due = now + e.interval;
    Fire fire = e.fire;  // the handler may stop or restart this very timer
    fire();
}

void TimerScheduler::rearm() {
    if (firing_) return;
    if (const auto next = nextDue())
        clock_.wakeAt(*next, [this] { fireDue(); });
    else
        clock_.cancelWake();
}

}  // namespace forms
