#include "platform/time/clock.h"

#include <algorithm>
#include <utility>

namespace forms {

RealClock::RealClock() {
    elapsed_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (wake_) wake_();
    });
}

void RealClock::wakeAt(qint64 at, std::function<void()> wake) {
    wake_ = std::move(wake);
    timer_.start(static_cast<int>(std::max<qint64>(0, at - now())));
}

void VirtualClock::wakeAt(qint64 at, std::function<void()> wake) {
    wakeAt_ = std::max(at, now_);
    wake_ = std::move(wake);
}

void VirtualClock::advance(qint64 ms) {
    qint64 target = now_ + ms;
    while (wake_ && wakeAt_ <= target) {
        now_ = wakeAt_;
        auto wake = std::exchange(wake_, nullptr);
        wake();
        // A handler that ran long moved time on by itself: time never goes back.
        target = std::max(target, now_);
    }
    now_ = target;
}

qint64 PacedClock::now() const {
    if (held_) return ownMark_;
    return ownMark_ + (base_.now() - baseMark_) / divisor_;
}

void PacedClock::wakeAt(qint64 at, std::function<void()> wake) {
    wakeAt_ = at;
    wake_ = std::move(wake);
    rearm();
}

void PacedClock::cancelWake() {
    wake_ = nullptr;
    base_.cancelWake();
}

void PacedClock::setSlowdown(int divisor) {
    if (divisor < 1 || divisor == divisor_) return;
    rebase();
    divisor_ = divisor;
    rearm();
}

void PacedClock::setHeld(bool held) {
    if (held == held_) return;
    rebase();
    held_ = held;
    rearm();
}

void PacedClock::moveTo(qint64 at) {
    if (held_) ownMark_ = std::max(ownMark_, at);
}

void PacedClock::rebase() {
    ownMark_ = now();
    baseMark_ = base_.now();
}

// Asks the other clock to wake at the moment its time reaches this clock's wake time.
void PacedClock::rearm() {
    if (held_ || !wake_) {
        base_.cancelWake();
        return;
    }
    const qint64 ahead = std::max<qint64>(0, wakeAt_ - ownMark_);
    base_.wakeAt(baseMark_ + ahead * divisor_, [this] {
        if (auto wake = std::exchange(wake_, nullptr)) wake();
    });
}

}  // namespace forms
