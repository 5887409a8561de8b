#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

namespace forms {

// The time the runtime's timers run on, in milliseconds. The program uses the real clock;
// tests use a virtual one that they step, so they never sleep.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual qint64 now() const = 0;
    // Asks for `wake` to be called once at time `at` (or as soon as possible after it);
    // a later request replaces an earlier one.
    virtual void wakeAt(qint64 at, std::function<void()> wake) = 0;
    virtual void cancelWake() = 0;
};

// Wall-clock time, woken by one precise Qt timer.
class RealClock final : public Clock {
  public:
    RealClock();
    qint64 now() const override { return elapsed_.elapsed(); }
    void wakeAt(qint64 at, std::function<void()> wake) override;
    void cancelWake() override { timer_.stop(); }

  private:
    QElapsedTimer elapsed_;
    QTimer timer_;
    std::function<void()> wake_;
};

// Time that moves only when a test steps it.
class VirtualClock final : public Clock {
  public:
    qint64 now() const override { return now_; }
    void wakeAt(qint64 at, std::function<void()> wake) override;
    void cancelWake() override { wake_ = nullptr; }

    // Moves time forward by `ms`, waking the runtime at every moment it asked for on the way.
    void advance(qint64 ms);

  private:
    qint64 now_ = 0;
    qint64 wakeAt_ = 0;
    std::function<void()> wake_;
};

// The time the program's timers see: another clock's, slowed down, or held still. At full speed
// and never held it is the other clock's to the millisecond. While held, its time stands and it
// wakes nobody; time moves on from where it stood when it is let go, so a timer neither misses
// ticks nor makes up for them.
class PacedClock final : public Clock {
  public:
    explicit PacedClock(Clock& base) : base_(base) {}
    qint64 now() const override;
    void wakeAt(qint64 at, std::function<void()> wake) override;
    void cancelWake() override;

    // Time runs at 1/divisor of the other clock's pace (1, 2, 4, 10...).
    void setSlowdown(int divisor);
    void setHeld(bool held);
    bool held() const { return held_; }
    // While held: moves time on to `at` (never back), without waking anybody.
    void moveTo(qint64 at);

  private:
    void rebase();
    void rearm();

    Clock& base_;
    qint64 baseMark_ = 0;  // the other clock's time at the last change of pace...
    qint64 ownMark_ = 0;   // ...and this clock's time then
    int divisor_ = 1;
    bool held_ = false;
    qint64 wakeAt_ = 0;
    std::function<void()> wake_;
};

}  // namespace forms
