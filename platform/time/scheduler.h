#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>
#include <vector>

namespace forms {

class Clock;

// Keeps the running timers and fires each one when it falls due. A tick comes one interval
// after the previous one was due, so a 10 ms timer gives 100 ticks a second; a timer that has
// fallen behind (its handler or another one ran long, or a modal box was open) fires once
// and starts a fresh interval, never a burst of the ticks it missed.
class TimerScheduler {
  public:
    using Fire = std::function<void()>;

    explicit TimerScheduler(Clock& clock) : clock_(clock) {}

    void start(const void* timer, qint64 interval, Fire fire);
    void stop(const void* timer);
    void stopAll();

    // Fires every timer that is due, earliest first, then asks the clock to wake it for the
    // next one. Does nothing while `held` says so (a handler is running, time is held).
    void fireDue();
    // When the next timer falls due, if any runs; and firing that one alone, now, whatever
    // `held` says (to step through a program whose time is held).
    std::optional<qint64> nextDue() const;
    void fireNext();
    void setHold(std::function<bool()> held) { held_ = std::move(held); }

  private:
    struct Entry {
        const void* timer;
        qint64 interval;
        qint64 due;
        Fire fire;
    };
    Entry* earliestDue(qint64 now);
    void fire(Entry& entry);
    void rearm();

    Clock& clock_;
    std::vector<Entry> entries_;
    std::function<bool()> held_;
    bool firing_ = false;
};

}  // namespace forms
