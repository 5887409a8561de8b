#pragma once

#include <functional>
#include <vector>

#include "platform/controls/control.h"

namespace forms {

// Raises its Tick event every Interval milliseconds while Enabled, the first one interval after
// it was enabled. Enabling a running timer does not restart it.
class Timer final : public Control, public RunningState {
  public:
    // A timer has no place on screen: it takes a container like every control, and ignores it.
    Timer(LoadedForm& form, const ControlDesc& desc, QString name, int index, QWidget* container);
    ~Timer() override;

    Property<Integer, Timer> Interval{this, "Interval", &Timer::restart,
                                      {},   nullptr,    &Timer::refusedInterval};
    Event Tick;

    void stop();

    // Whether it fires: enabled, with an interval.
    bool running() const override { return Enabled && Interval > 0; }
    // `changed` is called after every change of Enabled or Interval, for the timer's life.
    void onRunningChange(std::function<void()> changed) override {
        runningWatchers_.push_back(std::move(changed));
    }

  private:
    QString refusedInterval(const Integer& interval) const;
    void enabledChanged() override;
    void restart();

    std::vector<std::function<void()>> runningWatchers_;
};

}  // namespace forms
