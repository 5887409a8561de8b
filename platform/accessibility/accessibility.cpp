#include "platform/accessibility/accessibility.h"

#include <QAbstractSlider>
#include <QAccessibleWidget>
#include <QPointer>
#include <QScrollBar>
#include <QVariant>
#include <QWidget>

#include "platform/accessibility/keyboard_access.h"
#include "platform/accessibility/named_choice.h"

namespace forms {

namespace {

constexpr char kRoleProperty[] = "formsAccessibleRole";
constexpr char kControlProperty[] = "formsControl";
constexpr char kWindowProperty[] = "formsWindow";
constexpr char kSwitchProperty[] = "formsSwitchTimer";

const SpokenControl* controlOf(const QObject* object) {
    const QVariant control = object->property(kControlProperty);
    return control.isValid() ? static_cast<const SpokenControl*>(control.value<const void*>())
                             : nullptr;
}

// The timer whose running a switch reports, if the widget is one.
const RunningState* switchTimerOf(const QObject* object) {
    const QVariant timer = object->property(kSwitchProperty);
    return timer.isValid() ? static_cast<const RunningState*>(timer.value<const void*>()) : nullptr;
}

QAccessible::Role roleOf(const SpokenControl& control, QAccessible::Role classRole) {
    switch (control.accessibleRole()) {
        case AccessibleRole::None:
            return QAccessible::NoRole;
        case AccessibleRole::Button:
            return QAccessible::Button;
        case AccessibleRole::Link:
            return QAccessible::Link;
        case AccessibleRole::MenuItem:
            return QAccessible::MenuItem;
        case AccessibleRole::ClassDefault:
            break;
    }
    return classRole;
}

bool hasRole(const QWidget* widget) {
    const QVariant role = widget->property(kRoleProperty);
    const SpokenControl* control = controlOf(widget);
    if (!role.isValid() || !control) return true;
    return roleOf(*control, static_cast<QAccessible::Role>(role.toInt())) != QAccessible::NoRole;
}

QList<QWidget*> readOutChildren(const QWidget* parent);

// A widget with nothing to say (no name, nothing read out inside) would be read as an empty
// object, as a label with an empty caption would.
bool isSilent(QWidget* widget) {
    QAccessibleInterface* info = QAccessible::queryAccessibleInterface(widget);
    return (!info || info->text(QAccessible::Name).isEmpty()) && readOutChildren(widget).isEmpty();
}

// The child widgets that screen readers are told of: decoration, the controls that another
// stands for and those with nothing to say are left out.
QList<QWidget*> readOutChildren(const QWidget* parent) {
    QList<QWidget*> children;
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && hasRole(child) && !isSilent(child)) children << child;
    }
    return children;
}

// A widget whose children are those read out.
class ContainerAccessible : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(readOutChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = readOutChildren(widget());
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || !child->object() || !child->object()->isWidgetType()) return -1;
        return static_cast<int>(
            readOutChildren(widget()).indexOf(static_cast<QWidget*>(child->object())));
    }
};

// A form's window: a frame, named by its caption (Qt's own description makes it a filler).
class WindowAccessible final : public ContainerAccessible {
  public:
    explicit WindowAccessible(QWidget* window) : ContainerAccessible(window, QAccessible::Window) {}
};

// A control the runtime draws itself, or whose Qt description lacks its label and its click.
class ControlAccessible final : public ContainerAccessible, public QAccessibleValueInterface {
  public:
    ControlAccessible(QWidget* widget, const SpokenControl& control, QAccessible::Role role)
        : ContainerAccessible(widget, role), control_(control) {}

    // A switch is a check box: Qt's AT-SPI bridge hands on the checked state of any role but
    // has no toggle button and never hands on "checkable", so screen readers speak on and off
    // only for a check box; of a push button they say nothing of either.
    QAccessible::Role role() const override {
        return switchTimerOf(widget()) ? QAccessible::CheckBox : ContainerAccessible::role();
    }

    QAccessible::State state() const override {
        QAccessible::State state = ContainerAccessible::state();
        if (role() == QAccessible::NoRole || isSilent(widget())) state.invisible = true;
        if (const RunningState* timer = switchTimerOf(widget())) {
            state.checkable = true;
            state.checked = timer->running();
        }
        return state;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value && slider()) return QString::number(slider()->value());
        return ContainerAccessible::text(t);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto found = ContainerAccessible::relations(match);
        if ((match & QAccessible::Label) && control_.labelWidget())
            found.append({QAccessible::queryAccessibleInterface(control_.labelWidget()),
                          QAccessible::Label});
        if (match & QAccessible::Labelled)
            for (QWidget* named : control_.labelledWidgets())
                found.append({QAccessible::queryAccessibleInterface(named), QAccessible::Labelled});
        return found;
    }

    // A control the keyboard can click can be pressed: a click at its centre, as the pointer's.
    // It comes from the event loop, once the screen reader has its answer: the click may open
    // a modal box, which would hold the answer back until the box closed.
    QStringList actionNames() const override {
        QStringList names = ContainerAccessible::actionNames();
        if (clickable()) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && clickable()) {
            QWidget* control = widget();
            QMetaObject::invokeMethod(
                control, [control] { clickAt(control); }, Qt::QueuedConnection);
            return;
        }
        ContainerAccessible::doAction(name);
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == pressAction() && clickable()) return {QStringLiteral("Space")};
        return ContainerAccessible::keyBindingsForAction(name);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && slider())
            return static_cast<QAccessibleValueInterface*>(this);
        return ContainerAccessible::interface_cast(type);
    }
    QVariant currentValue() const override { return slider()->value(); }
    // Set as the user would set it: only while the bar is enabled.
    void setCurrentValue(const QVariant& value) override {
        if (slider()->isEnabled()) slider()->setValue(value.toInt());
    }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

  private:
    QAbstractSlider* slider() const { return qobject_cast<QAbstractSlider*>(widget()); }
    bool clickable() const {
        return control_.keyboardStop() != kNoTabIndex || switchTimerOf(widget());
    }

    const SpokenControl& control_;
};

QAccessibleInterface* describe(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->property(kWindowProperty).toBool()) return new WindowAccessible(widget);
    const QVariant role = object->property(kRoleProperty);
    const SpokenControl* control = controlOf(object);
    if (!role.isValid() || !control) return describeNamedChoice(object);
    return new ControlAccessible(widget, *control,
                                 roleOf(*control, static_cast<QAccessible::Role>(role.toInt())));
}

}  // namespace

void describeControl(QWidget* widget, const SpokenControl& control, QAccessible::Role classRole) {
    widget->setProperty(kControlProperty, QVariant::fromValue(static_cast<const void*>(&control)));
    widget->setProperty(kRoleProperty, static_cast<int>(classRole));
}

// The widget stays; to screen readers it comes or goes as one of its container's children.
void setSpokenName(QWidget* widget, const QString& name) {
    const bool wasNamed = !widget->accessibleName().isEmpty();
    widget->setAccessibleName(name);
    if (wasNamed == !name.isEmpty() || !QAccessible::isActive()) return;
    QAccessibleEvent event(widget,
                           wasNamed ? QAccessible::ObjectDestroyed : QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&event);
}

void reportAsSwitch(QWidget* widget, RunningState& timer) {
    widget->setProperty(kSwitchProperty, QVariant::fromValue(static_cast<const void*>(&timer)));
    timer.onRunningChange(
        [target = QPointer<QWidget>(widget), &timer, on = timer.running()]() mutable {
            if (!target || timer.running() == on) return;
            on = !on;
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(target, changed);
            QAccessible::updateAccessibility(&event);
        });
}

void setAccessibleWindow(QWidget* window) {
    window->setProperty(kWindowProperty, true);
}

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(describe);
}

}  // namespace forms
