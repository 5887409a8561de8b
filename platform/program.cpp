#include "platform/program.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstring>

#include "platform/accessibility.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "platform/session_bus.h"

namespace forms {

void prepareApplication(const char* title) {
    QApplication::setApplicationName(QString::fromUtf8(title));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    installAccessibility();
    loadBundledFonts();
    QApplication::setFont(fontFor(FontSpec{}));
}

Form& startProject(Runtime& runtime, const Project& project) {
    runtime.setStartupForm(QString::fromLatin1(project.startup));
    for (const FormClass& form : project.forms) {
        if (std::strcmp(form.name, project.startup) != 0) continue;
        Form& startup = form.instance(runtime);
        if (!runtime.hasEnded() && !startup.isShown()) startup.Show();
        return startup;
    }
    qFatal("the start-up form %s is not one of the project's forms", project.startup);
}

int run(int argc, char** argv, const Project& project) {
    useOnlyAnExistingSessionBus();
    QApplication application(argc, argv);
    prepareApplication(project.title);
    Runtime runtime;
    startProject(runtime, project);
    if (runtime.hasEnded()) return 0;
    return QApplication::exec();
}

}  // namespace forms
