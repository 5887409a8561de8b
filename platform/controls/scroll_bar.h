#pragma once

#include "platform/controls/control.h"

class QScrollBar;

namespace forms {

// A horizontal scroll bar between Min and Max. The arrows and the track move Value by
// SmallChange and LargeChange; every change of Value raises Change.
class HScrollBar final : public Control {
  public:
    HScrollBar(LoadedForm& form, const ControlDesc& desc, QString name, int index,
               QWidget* container);

    Property<Integer, HScrollBar> Min{this, "Min", &HScrollBar::rangeChanged};
    Property<Integer, HScrollBar> Max{this, "Max", &HScrollBar::rangeChanged, 32767};
    Property<Integer, HScrollBar> Value{this, "Value", &HScrollBar::valueChanged,
                                        {},   nullptr, &HScrollBar::refusedValue};
    Property<Integer, HScrollBar> SmallChange{this, "SmallChange", &HScrollBar::rangeChanged, 1};
    Property<Integer, HScrollBar> LargeChange{this, "LargeChange", &HScrollBar::rangeChanged, 1};

  private:
    QString refusedValue(const Integer& value) const;
    void rangeChanged();
    void valueChanged();
    void moved(int value);

    QScrollBar* widget_;
};

}  // namespace forms
