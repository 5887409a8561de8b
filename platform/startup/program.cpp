#include "platform/startup/program.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstring>

#include "platform/accessibility/accessibility.h"
#include "platform/controls/fonts.h"
#include "platform/forms/form.h"
#include "platform/how_it_works/how_it_works.h"
#include "platform/startup/address_space.h"
#include "platform/startup/command_line.h"
#include "platform/startup/display_requirements.h"
#include "platform/startup/font_lookup.h"
#include "platform/startup/session_bus.h"
#include "platform/startup/thread_start_failure.h"

namespace forms {

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
    runtime.offerHelp([effects = project.codeEffects](Runtime& r) {
        return std::make_unique<HowItWorks>(r, effects);
    });
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
    if (printRequestedInformation(argc, argv, project.usage, project.version)) return 0;
    if (lacksDisplay(argc, argv)) {
        std::fprintf(stderr,
                     "%s needs a graphical display, and none is set (DISPLAY or WAYLAND_DISPLAY)\n",
                     project.title);
        return 1;
    }
    if (const std::size_t room = missingRoomToStart()) {
        std::fprintf(stderr,
                     "%s cannot start: not enough memory (its limits leave less than %zu MiB of "
                     "address space free)\n",
                     project.title, room / (1024 * 1024));
        return 1;
    }
    endWhenAThreadCannotStart(project.title);
    useOnlyAnExistingSessionBus();
    QApplication application(argc, argv);
    if (const int depth = screenColourDepth(); depth > 0 && depth < kLeastColourDepth) {
        std::fprintf(stderr,
                     "%s needs a true-colour display of %d bits or more, and this one has %d\n",
                     project.title, kLeastColourDepth, depth);
        return 1;
    }
    prepareApplication(project.title);
    Runtime runtime;
    startProject(runtime, project);
    if (runtime.hasEnded()) return 0;
    return QApplication::exec();
}

}  // namespace forms
