#pragma once

#include "platform/control.h"

namespace forms {

// Raises its Tick event every Interval milliseconds while Enabled, the first one interval after
// it was enabled. Enabling a running timer does not restart it.
class Timer final : public Control {
  public:
    // A timer has no place on screen: it takes a container like every control, and ignores it.
    Timer(Form& form, const ControlDesc& desc, QString name, int index, QWidget* container);
    ~Timer() override;

    Property<Integer, Timer> Interval{this, "Interval", &Timer::restart};
    Event Tick;

    void stop();

  private:
    void enabledChanged() override;
    void restart();
};

}  // namespace forms
