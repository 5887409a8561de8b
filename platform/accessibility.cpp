#include "platform/accessibility.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace forms {

namespace {

constexpr char kRoleProperty[] = "formsAccessibleRole";

QAccessibleInterface* describe(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object),
                                 static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(describe);
}

}  // namespace forms
