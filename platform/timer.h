#pragma once

#include "platform/control.h"

namespace forms {

// Raises its Tick event every Interval milliseconds while Enabled, the first one interval after
// it was enabled. Enabling a running timer does not restart it.
class Timer final : public Control {
  public:
    Timer(Form& form, const ControlDesc& desc, QString name, int index);
    ~Timer() override;

    Property<Integer, Timer> Interval{this, &Timer::restart};
    Event Tick;

    void stop();

  private:
    void enabledChanged() override;
    void restart();
};

}  // namespace forms
