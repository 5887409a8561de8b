#pragma once

#include <QAccessible>

class QWidget;

namespace forms {

class Control;

// Tells screen readers what an own-drawn control (or the scroll bar) is, through the control:
// its name and description, its role (`classRole`, unless the layout gives another), the label
// that names it, the click that pressing it makes and the children that are read out. A role
// of NoRole keeps the control out of what is read out. Call it before the widget is first
// named: Qt keeps the first description it makes of a widget.
void describeControl(QWidget* widget, const Control& control, QAccessible::Role classRole);

// Tells screen readers that a form's window is a frame named by its caption.
void setAccessibleWindow(QWidget* window);

// Registers the runtime's accessibility for its own-drawn controls; done once at start.
void installAccessibility();

}  // namespace forms
