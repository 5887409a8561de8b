#include "walk/program.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTreeView>

#include "app/project.h"
#include "forms/animate/frmAnimate.h"
#include "forms/code/frmCode.h"
#include "platform/how_it_works/how_it_works.h"
#include "platform/how_it_works/panes/numbered_code.h"
#include "platform/runtime/boxes.h"
#include "platform/startup/program.h"

namespace walk {

Program::Program() {
    harness_.answerBoxesWith(forms::vbNo);
    harness_.runtime().setAppPath(dir_.path());
    main_ = &static_cast<kinemora::frmAnimate&>(
        forms::startProject(harness_.runtime(), kinemora::project()));
}

Program::~Program() = default;

kinemora::frmCode& Program::codeViewer() {
    return harness_.runtime().form<kinemora::frmCode>();
}

Snapshot Program::snapshot() {
    Snapshot values = values_.read();
    for (forms::LoadedForm* form : harness_.runtime().forms())
        values[form->Name() + QStringLiteral(" shown")] =
            form->isShown() ? QStringLiteral("yes") : QStringLiteral("no");
    return values;
}

bool Program::windowShown() const {
    return window_ && window_->isVisible();
}

void Program::openWindow() {
    harness_.runtime().showHelp();
    harness_.settle();
    if (window_) return;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == QLatin1String("How It Works"))
            window_ = static_cast<forms::HowItWorks*>(w);
}

void Program::frame() {
    if (windowShown()) window_->showFrame();
}

bool Program::paused() {
    return harness_.runtime().clock().held();
}

template <typename T>
T* Program::part(const char* name) const {
    if (!window_) return nullptr;
    for (T* w : window_->findChildren<T*>())
        if (w->accessibleName() == QLatin1String(name)) return w;
    return nullptr;
}

QPushButton* Program::button(const char* text) const {
    if (!window_) return nullptr;
    for (QPushButton* b : window_->findChildren<QPushButton*>())
        if (b->text() == QLatin1String(text)) return b;
    return nullptr;
}

QSlider* Program::timeline() const {
    return part<QSlider>("Timeline");
}

QCheckBox* Program::follow() const {
    if (!window_) return nullptr;
    for (QCheckBox* c : window_->findChildren<QCheckBox*>())
        if (c->text() == QLatin1String("Follow")) return c;
    return nullptr;
}

QComboBox* Program::effect() const {
    return part<QComboBox>("Effect");
}

QTreeView* Program::events() const {
    return part<QTreeView>("Events");
}

QTreeView* Program::watch() const {
    return part<QTreeView>("Watch");
}

QAbstractItemModel* Program::watchEntries() const {
    QAbstractItemModel* shown = watch()->model();
    if (auto* proxy = qobject_cast<QAbstractProxyModel*>(shown)) return proxy->sourceModel();
    return shown;
}

forms::NumberedCode* Program::code() const {
    return dynamic_cast<forms::NumberedCode*>(part<QPlainTextEdit>("Code"));
}

}  // namespace walk
