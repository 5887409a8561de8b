#include "platform/runtime/boxes.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

#include "platform/accessibility/spoken.h"

namespace forms {

namespace {

using Choice = std::pair<QMessageBox::StandardButton, int>;

std::vector<Choice> choicesFor(int set) {
    using B = QMessageBox;
    switch (set) {
        case vbOKCancel:
            return {{B::Ok, vbOK}, {B::Cancel, vbCancel}};
        case vbAbortRetryIgnore:
            return {{B::Abort, vbAbort}, {B::Retry, vbRetry}, {B::Ignore, vbIgnore}};
        case vbYesNoCancel:
            return {{B::Yes, vbYes}, {B::No, vbNo}, {B::Cancel, vbCancel}};
        case vbYesNo:
            return {{B::Yes, vbYes}, {B::No, vbNo}};
        case vbRetryCancel:
            return {{B::Retry, vbRetry}, {B::Cancel, vbCancel}};
        default:
            return {{B::Ok, vbOK}};
    }
}

QMessageBox::Icon iconFor(int icon) {
    switch (icon) {
        case vbCritical:
            return QMessageBox::Critical;
        case vbQuestion:
            return QMessageBox::Question;
        case vbExclamation:
            return QMessageBox::Warning;
        case vbInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

int runMessageBox(const QString& prompt, int buttons, const QString& title, QWidget* owner) {
    // The owner is a shown form's window, which stays while the modal box is open: its close
    // box is blocked and no handler runs that could unload it.
    QMessageBox box(iconFor(buttons & 0x70), title, prompt, QMessageBox::NoButton, owner);
    box.setWindowModality(Qt::ApplicationModal);
    describeBox(box);
    const std::vector<Choice> choices = choicesFor(buttons & 0x0F);
    for (const auto& [button, answer] : choices) box.addButton(button);
    const std::size_t defaultIndex =
        std::min<std::size_t>((buttons & 0x300) >> 8, choices.size() - 1);
    box.setDefaultButton(choices[defaultIndex].first);
    box.exec();
    for (const auto& [button, answer] : choices)
        if (box.clickedButton() == box.button(button)) return answer;
    return choices.back().second;  // closed without a button: No, Cancel or OK
}

}  // namespace forms
