#pragma once

#include <QAccessible>
#include <QString>
#include <functional>
#include <vector>

#include "platform/accessibility/spoken.h"
#include "platform/values/layout.h"

class QWidget;

namespace forms {

// A control as screen readers are told of it beyond its widget: the role the layout gives, the
// label that names it, the controls it names, and its keyboard stop (kNoTabIndex: none).
class SpokenControl {
  public:
    virtual AccessibleRole accessibleRole() const = 0;
    virtual QWidget* labelWidget() const = 0;
    virtual std::vector<QWidget*> labelledWidgets() const = 0;
    virtual int keyboardStop() const = 0;

  protected:
    ~SpokenControl() = default;
};

// Something that runs or not, and says when that may have changed: a timer, read out as a
// switch.
class RunningState {
  public:
    virtual bool running() const = 0;
    // `changed` is called after every change that may start or stop it, for its life.
    virtual void onRunningChange(std::function<void()> changed) = 0;

  protected:
    ~RunningState() = default;
};

// Tells screen readers what an own-drawn control (or the scroll bar) is, through the control:
// its name and description, its role (`classRole`, unless the layout gives another), the label
// that names it, the click that pressing it makes and the children that are read out. A role
// of NoRole keeps the control out of what is read out. Call it before the widget is first
// named: Qt keeps the first description it makes of a widget.
void describeControl(QWidget* widget, const SpokenControl& control, QAccessible::Role classRole);

// Gives a control's widget its name for screen readers. A widget without a name (and with
// nothing named inside) is left out of what is read out; one that gains its first name, or
// loses it, comes into or leaves its container's children.
void setSpokenName(QWidget* widget, const QString& name);

// Tells screen readers that a described control's widget is a switch that is on while `timer`
// runs (enabled, with an interval): a check box, checked while the timer runs, a state change
// each time that flips, and pressed with a click. It looks and clicks as before.
void reportAsSwitch(QWidget* widget, RunningState& timer);

// Tells screen readers that a form's window is a frame named by its caption.
void setAccessibleWindow(QWidget* window);

// Registers the runtime's accessibility for its own-drawn controls; done once at start.
void installAccessibility();

}  // namespace forms
