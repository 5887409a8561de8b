#pragma once

#include <QAccessible>

class QWidget;

namespace forms {

// Tells screen readers what an own-drawn control is (a label is static text, an image a
// graphic); its name is the caption, or the control's name where it has none. Call it before
// the widget is first named: Qt keeps the first description it makes of a widget.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

// Registers the runtime's accessibility for its own-drawn controls; done once at start.
void installAccessibility();

}  // namespace forms
