#include "platform/controls/control_widget.h"

#include <QMouseEvent>

#include "platform/controls/control.h"

namespace forms {

ControlEventFilter::ControlEventFilter(QObject* widget, Control& control, Mode mode)
    : QObject(widget), control_(control), mode_(mode) {
    widget->installEventFilter(this);
}

bool ControlEventFilter::eventFilter(QObject* watched, QEvent* event) {
    MouseAction action;
    switch (event->type()) {
        case QEvent::Paint:
            control_.painted();
            return false;
        case QEvent::ScreenChangeInternal:
            control_.screenChanged();
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            action = MouseAction::Down;
            break;
        case QEvent::MouseMove:
            action = MouseAction::Move;
            break;
        case QEvent::MouseButtonRelease:
            action = MouseAction::Up;
            break;
        default:
            return false;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mode_ == Mode::ObserveOnly) {
        control_.mouseEvent(action, mouse);
        return false;
    }
    if (mode_ == Mode::Interactive && control_.Enabled) {
        // The widget acts first (a button goes down, a scroll bar steps), except on release:
        // the control's MouseUp comes before the Click the widget raises.
        if (action == MouseAction::Up) {
            control_.mouseEvent(action, mouse);
            watched->event(event);
            event->accept();
            return true;
        }
        watched->event(event);
    }
    if (!control_.mouseEvent(action, mouse)) return false;
    event->accept();
    return true;
}

}  // namespace forms
