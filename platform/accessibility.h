#pragma once

#include <QAccessible>
#include <QString>

class QAbstractScrollArea;
class QMessageBox;
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

// Text as screen readers should speak it: each run of blanks and line breaks one blank, and
// none at either end.
QString spokenText(const QString& text);

// Gives a control's widget its name for screen readers. A widget without a name (and with
// nothing named inside) is left out of what is read out; one that gains its first name, or
// loses it, comes into or leaves its container's children.
void setSpokenName(QWidget* widget, const QString& name);

// Tells screen readers that a described control is a switch that is on while `timer` runs
// (enabled, with an interval): checkable, checked while the timer runs, a state change each
// time that flips, and pressed with a click.
void reportAsSwitch(const Control& control, Timer& timer);

// Names the parts Qt shows screen readers of a scroll area: where its content shows and each
// scroll bar (Qt leaves them nameless).
void describeScrollArea(QAbstractScrollArea& area);

// Names the parts of a question box that Qt leaves nameless or names with the raw text: the
// prompt as spoken text, the icon by its kind, the row of buttons.
void describeBox(QMessageBox& box);

// Tells screen readers that a form's window is a frame named by its caption.
void setAccessibleWindow(QWidget* window);

// Registers the runtime's accessibility for its own-drawn controls; done once at start.
void installAccessibility();

}  // namespace forms
