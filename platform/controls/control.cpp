#include "platform/controls/control.h"

#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <cmath>

#include "platform/accessibility/accessibility.h"
#include "platform/accessibility/keyboard_access.h"
#include "platform/runtime/runtime.h"

namespace forms {

namespace {

Integer buttonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

Integer shiftOf(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= 1;
    if (modifiers & Qt::ControlModifier) shift |= 2;
    if (modifiers & Qt::AltModifier) shift |= 4;
    return shift;
}

Qt::CursorShape shapeOf(int pointer) {
    switch (pointer) {
        case vbCrosshair:
            return Qt::CrossCursor;
        case vbIbeam:
            return Qt::IBeamCursor;
        default:
            return Qt::ArrowCursor;
    }
}

}  // namespace

Control::Control(LoadedForm& form, const ControlDesc& desc, QString name, int index)
    : form_(form),
      name_(std::move(name)),
      index_(index),
      watchName_(index < 0 ? name_ : QStringLiteral("%1(%2)").arg(name_).arg(index)),
      tabIndex_(desc.tabIndex),
      kind_(desc.cls),
      accessibleName_(QString::fromUtf8(desc.set.AccessibleName ? desc.set.AccessibleName : "")),
      description_(
          QString::fromUtf8(desc.set.AccessibleDescription ? desc.set.AccessibleDescription : "")),
      role_(desc.set.Role),
      labelName_(QString::fromLatin1(desc.set.LabelledBy ? desc.set.LabelledBy : "")),
      keyboardStop_(desc.set.KeyboardStop) {
    Left.initialise(desc.left);
    Top.initialise(desc.top);
    Width.initialise(desc.width);
    Height.initialise(desc.height);
    Visible.initialise(desc.visible);
    Enabled.initialise(desc.set.Enabled);
}

Control::~Control() = default;

void Control::attach(QWidget* widget) {
    widget_ = widget;
    widget_->setObjectName(watchName());
    widget_->setMouseTracking(true);
    widget_->setEnabled(Enabled);
    widget_->setAccessibleName(accessibleName());
    widget_->setAccessibleDescription(description_);
    if (keyboardStop_ != kNoTabIndex) new KeyboardAccess(widget_);
    placeChanged();
    widget_->setVisible(Visible);
}

QString Control::accessibleName() const {
    if (!accessibleName_.isEmpty()) return accessibleName_;
    if (label_) return label_->spokenCaption();
    return spokenCaption();
}

QWidget* Control::labelWidget() const {
    return label_ ? label_->widget() : nullptr;
}

std::vector<QWidget*> Control::labelledWidgets() const {
    std::vector<QWidget*> widgets;
    for (const Control* named : labelled_) widgets.push_back(named->widget());
    return widgets;
}

void Control::setLabel(Control& label) {
    label_ = &label;
    label.labelled_.push_back(this);
    nameShown();
}

// Screen readers are told of a new name only: captions change on every scrolling tick.
void Control::nameShown() const {
    if (!widget_) return;
    const QString name = accessibleName();
    if (widget_->accessibleName() != name) setSpokenName(widget_, name);
}

void Control::captionShown() {
    nameShown();
    for (const Control* named : labelled_) named->nameShown();
}

void Control::placeChanged() {
    if (!widget_) return;
    // Snap both edges, so that neighbours in twips stay neighbours in pixels.
    const int left = toPixels(Left), top = toPixels(Top);
    const int right = toPixels(Left + Width), bottom = toPixels(Top + Height);
    widget_->setGeometry(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

void Control::visibleChanged() {
    if (!widget_) return;
    if (!Visible) moveFocusOutOf(widget_);
    widget_->setVisible(Visible);
}

void Control::enabledChanged() {
    if (widget_) widget_->setEnabled(Enabled);
}

void Control::resizeTo(Single width, Single height) {
    const bool changed = width != Width || height != Height;
    Width.changedByOwner(width, Place::of(Place::By::Control));
    Height.changedByOwner(height, Place::of(Place::By::Control));
    if (changed) placeChanged();
}

void Control::pointerChanged() {
    if (!widget_) return;
    if (MousePointer == vbCustom && MouseIcon.get())
        widget_->setCursor(cursorFor(MouseIcon, widget_->devicePixelRatioF()));
    else if (MousePointer == vbDefault)
        widget_->unsetCursor();
    else
        widget_->setCursor(shapeOf(MousePointer.get().value()));
}

void Control::screenChanged() {
    if (MousePointer == vbCustom) pointerChanged();
}

EventArgs mouseEventArgs(const QMouseEvent* event) {
    EventArgs args;
    if (event->type() == QEvent::MouseMove) {
        int held = 0;  // the buttons held down during the move
        if (event->buttons() & Qt::LeftButton) held |= 1;
        if (event->buttons() & Qt::RightButton) held |= 2;
        if (event->buttons() & Qt::MiddleButton) held |= 4;
        args.Button = held;
    } else {
        args.Button = buttonOf(event->button());
    }
    args.Shift = shiftOf(event->modifiers());
    args.X = static_cast<Single>(event->position().x()) * kTwipsPerPixel;
    args.Y = static_cast<Single>(event->position().y()) * kTwipsPerPixel;
    return args;
}

bool Control::mouseEvent(MouseAction action, QMouseEvent* event) {
    if (!Enabled) return false;
    const EventArgs args = mouseEventArgs(event);
    switch (action) {
        case MouseAction::Down:
            pressed_ = event->button() == Qt::LeftButton;
            raise(&ControlEvents::MouseDown, args);
            break;
        case MouseAction::Move:
            raise(&ControlEvents::MouseMove, args);
            break;
        case MouseAction::Up: {
            const bool click = pressed_ && event->button() == Qt::LeftButton &&
                               widget_->rect().contains(event->position().toPoint());
            pressed_ = false;
            raise(&ControlEvents::MouseUp, args);
            // Buttons raise their Click themselves, so that the keyboard can click them too.
            if (click && kind_ != ControlClass::CommandButton) raise(&ControlEvents::Click);
            break;
        }
    }
    return true;
}

void Control::painted() {
    ++repaints_;
    Runtime::current().countRepaint();
}

void Control::raise(Event ControlEvents::*event, EventArgs args) {
    const ControlEvents& source = array_ ? *array_ : *this;
    args.Index = index_;
    Runtime::current().raise(form_, source.*event, args);
}

}  // namespace forms
