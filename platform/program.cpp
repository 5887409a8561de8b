#include "platform/program.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "platform/accessibility.h"
#include "platform/font_lookup.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "platform/how_it_works/how_it_works.h"
#include "platform/session_bus.h"

namespace forms {

namespace {

// The window-system platforms Qt is asked for: the -platform argument, else QT_QPA_PLATFORM,
// else the default (xcb, or wayland in a Wayland session); a list falls back in order.
QByteArray requestedPlatforms(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform") return argv[i + 1];
    }
    return qgetenv("QT_QPA_PLATFORM");
}

// True when every platform asked for draws on a display server (X11 or Wayland) and none is
// named: Qt would abort with a message about plugins instead of saying what is missing.
bool lacksDisplay(int argc, char** argv) {
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-display" || arg == "--display") return false;
    }
    for (const QByteArray& platform : requestedPlatforms(argc, argv).split(';')) {
        const QByteArray name = platform.split(':').constFirst().trimmed();
        if (!name.isEmpty() && name != "xcb" && !name.startsWith("wayland")) return false;
    }
    return true;
}

}  // namespace

void prepareApplication(const char* title) {
    QApplication::setApplicationName(QString::fromUtf8(title));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    installAccessibility();
    useLeanFontLookup();
    loadBundledFonts();
    QApplication::setFont(fontFor(FontSpec{}));
}

Form& startProject(Runtime& runtime, const Project& project) {
    runtime.setProgramName(QString::fromUtf8(project.name));
    runtime.offerHelp([](Runtime& r) { return std::make_unique<HowItWorks>(r); });
    if (project.codeFile)
        runtime.files().keepTextOf(runtime.appPath() + QLatin1Char('/') +
                                   QString::fromUtf8(project.codeFile));
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
    if (lacksDisplay(argc, argv)) {
        std::fprintf(stderr,
                     "%s needs a graphical display, and none is set (DISPLAY or WAYLAND_DISPLAY)\n",
                     project.title);
        return 1;
    }
    useOnlyAnExistingSessionBus();
    QApplication application(argc, argv);
    prepareApplication(project.title);
    Runtime runtime;
    startProject(runtime, project);
    if (runtime.hasEnded()) return 0;
    return QApplication::exec();
}

}  // namespace forms
