#include "platform/accessibility/keyboard_access.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace forms {

namespace {

// The point at a control's centre, and the widget on top there.
struct Hit {
    QPointer<QWidget> target;
    QPointF local, global;
};

Hit hitAtCentre(QWidget* widget) {
    QWidget* window = widget->window();
    const QPoint at = widget->mapTo(window, widget->rect().center());
    QWidget* target = window->childAt(at);
    if (!target) target = window;
    return {target, target->mapFrom(window, at), window->mapToGlobal(QPointF(at))};
}

void send(const Hit& hit, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
    if (!hit.target) return;
    QMouseEvent event(type, hit.local, hit.global, button, held, Qt::NoModifier);
    QApplication::sendEvent(hit.target, &event);
}

// The window taking or losing the focus as a whole is not a move of the focus within it, nor
// is anything that happens in a window not on screen (hidden, or going).
bool movedWithinWindow(const QWidget* widget, const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason && widget->window()->isVisible();
}

// The pointer moving onto the surface of the control's container, beside the control.
void pointBeside(QWidget* widget) {
    QWidget* container = widget->parentWidget();
    if (!container) return;
    const QPointF at = widget->geometry().center();
    send({container, at, container->mapToGlobal(at)}, QEvent::MouseMove, Qt::NoButton,
         Qt::NoButton);
}

Qt::MouseButton buttonFor(const QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Qt::LeftButton;
        case Qt::Key_Menu:
            return Qt::RightButton;
        case Qt::Key_F10:
            return key->modifiers() == Qt::ShiftModifier ? Qt::RightButton : Qt::NoButton;
        default:
            return Qt::NoButton;
    }
}

bool isStop(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
           widget->isVisibleTo(widget->window());
}

}  // namespace

KeyboardAccess::KeyboardAccess(QWidget* control) : QObject(control), control_(control) {
    control->setFocusPolicy(Qt::TabFocus);
    control->installEventFilter(this);
}

bool KeyboardAccess::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
            if (movedWithinWindow(control_, static_cast<QFocusEvent*>(event))) pointAt(control_);
            return false;
        case QEvent::FocusOut:
            if (movedWithinWindow(control_, static_cast<QFocusEvent*>(event)))
                pointBeside(control_);
            return false;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            const Qt::MouseButton button = buttonFor(key);
            if (button == Qt::NoButton) return false;
            if (!key->isAutoRepeat()) clickAt(control_, button);  // a held key clicks once
            return true;
        }
        default:
            return false;
    }
}

void pointAt(QWidget* control) {
    send(hitAtCentre(control), QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
}

void clickAt(QWidget* control, Qt::MouseButton button) {
    pointAt(control);
    // The move may have brought another control on top (a lit menu bar over its plain one);
    // the press goes to what is on top now, and the release where the press went.
    const Hit hit = hitAtCentre(control);
    send(hit, QEvent::MouseButtonPress, button, button);
    send(hit, QEvent::MouseButtonRelease, button, Qt::NoButton);
}

void moveFocusOutOf(QWidget* widget) {
    QWidget* focused = widget->window()->focusWidget();
    if (!focused || (focused != widget && !widget->isAncestorOf(focused))) return;
    for (QWidget* stop = focused->previousInFocusChain(); stop && stop != focused;
         stop = stop->previousInFocusChain()) {
        if (stop == widget || widget->isAncestorOf(stop) || !isStop(stop)) continue;
        stop->setFocus(Qt::BacktabFocusReason);
        return;
    }
}

void paintFocusFrame(const QWidget& widget, QPainter& painter, bool always) {
    if (!widget.hasFocus()) return;
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    if (always) option.state |= QStyle::State_KeyboardFocusChange;
    option.backgroundColor = widget.palette().color(QPalette::Window);
    if (!(option.state & QStyle::State_KeyboardFocusChange)) return;
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
    // The style's frame alone is faint (it is meant for grey buttons): as its focused buttons
    // do, add a solid outline in the highlight colour, and a light line within it, so that
    // the frame shows on any picture.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(widget.palette().color(QPalette::Highlight).darker(125));
    painter.drawRect(widget.rect().adjusted(0, 0, -1, -1));
    painter.setPen(QColor(255, 255, 255, 200));
    painter.drawRect(widget.rect().adjusted(1, 1, -2, -2));
    painter.restore();
}

}  // namespace forms
