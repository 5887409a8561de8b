#pragma once

#include <QAccessible>
#include <QString>

#include "platform/accessibility/spoken.h"

class QWidget;

namespace forms {

class Control;
class Timer;

// Tells screen readers what an own-drawn control (or the scroll bar) is, through the control:
// its name and description, its role (`classRole`, unless the layout gives another), the label
// that names it, the click that pressing it makes and the children that are read out. A role
// of NoRole keeps the control out of what is read out. Call it before the widget is first
// named: Qt keeps the first description it makes of a widget.
void describeControl(QWidget* widget, const Control& control, QAccessible::Role classRole);

// Gives a control's widget its name for screen readers. A widget without a name (and with
// nothing named inside) is left out of what is read out; one that gains its first name, or
// loses it, comes into or leaves its container's children.
void setSpokenName(QWidget* widget, const QString& name);

// Tells screen readers that a described control is a switch that is on while `timer` runs
// (enabled, with an interval): checkable, checked while the timer runs, a state change each
// time that flips, and pressed with a click.
void reportAsSwitch(const Control& control, Timer& timer);

// Tells screen readers that a form's window is a frame named by its caption.
void setAccessibleWindow(QWidget* window);

// Registers the runtime's accessibility for its own-drawn controls; done once at start.
void installAccessibility();

}  // namespace forms
