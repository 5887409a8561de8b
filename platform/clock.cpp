#include "platform/clock.h"

#include <algorithm>

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

}  // namespace forms
