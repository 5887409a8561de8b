#include "platform/accessibility/spoken.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QSplitter>

namespace forms {

namespace {

QString iconName(QMessageBox::Icon icon) {
    switch (icon) {
        case QMessageBox::Question:
            return QStringLiteral("Question");
        case QMessageBox::Information:
            return QStringLiteral("Information");
        case QMessageBox::Warning:
            return QStringLiteral("Warning");
        case QMessageBox::Critical:
            return QStringLiteral("Error");
        case QMessageBox::NoIcon:
            break;
    }
    return {};
}

}  // namespace

QString spokenText(const QString& text) {
    return text.simplified();
}

void describeScrollArea(QAbstractScrollArea& area) {
    area.viewport()->setAccessibleName(QStringLiteral("Content"));
    const auto nameBar = [](QScrollBar* bar, const QString& name) {
        bar->setAccessibleName(name);
        if (QWidget* holder = bar->parentWidget(); holder && holder != bar->window())
            holder->setAccessibleName(name);
    };
    nameBar(area.verticalScrollBar(), QStringLiteral("Vertical scroll bar"));
    nameBar(area.horizontalScrollBar(), QStringLiteral("Horizontal scroll bar"));
}

void describeBox(QMessageBox& box) {
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            label->setAccessibleName(iconName(box.icon()));
        else if (label->text() == box.text())
            label->setAccessibleName(spokenText(box.text()));
    }
    for (QDialogButtonBox* buttons : box.findChildren<QDialogButtonBox*>())
        buttons->setAccessibleName(QStringLiteral("Buttons"));
}

void nameInnerParts(QWidget* window) {
    for (auto* area : window->findChildren<QAbstractScrollArea*>()) describeScrollArea(*area);
    for (auto* choice : window->findChildren<QComboBox*>())
        choice->view()->setAccessibleName(QStringLiteral("Choices"));
    for (auto* header : window->findChildren<QHeaderView*>())
        header->setAccessibleName(QStringLiteral("Column headings"));
    for (auto* splitter : window->findChildren<QSplitter*>()) {
        splitter->setAccessibleName(QStringLiteral("Panes"));
        for (int i = 0; i < splitter->count(); ++i)
            splitter->handle(i)->setAccessibleName(QStringLiteral("Divider"));
    }
}

}  // namespace forms
