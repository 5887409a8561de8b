#include "platform/accessibility/named_choice.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace forms {

namespace {

class NamedChoiceAccessible final : public QAccessibleWidget {
  public:
    explicit NamedChoiceAccessible(QComboBox* choice)
        : QAccessibleWidget(choice, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return choice()->currentText();
        if (t == QAccessible::Name && choice()->accessibleName().isEmpty())
            return choice()->currentText();  // as Qt's own description reads it
        return QAccessibleWidget::text(t);
    }
    // The list of choices, as Qt's own description has it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(choice()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == choice()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = choice()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) choice()->showPopup();
    }

  private:
    QComboBox* choice() const { return static_cast<QComboBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* describeNamedChoice(QObject* object) {
    auto* choice = qobject_cast<QComboBox*>(object);
    if (!choice || choice->isEditable()) return nullptr;
    return new NamedChoiceAccessible(choice);
}

}  // namespace forms
