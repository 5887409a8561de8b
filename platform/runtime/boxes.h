#pragma once

#include <QString>

class QWidget;

namespace forms {

// Buttons, icon and default button of a question box, added together.
enum BoxStyle {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

// The button that closed a question box.
enum BoxAnswer {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7
};

// The real, modal Qt message box behind MsgBox: over `owner` (transient for it) where there is
// one, else in the middle of the screen.
int runMessageBox(const QString& prompt, int buttons, const QString& title, QWidget* owner);

}  // namespace forms
