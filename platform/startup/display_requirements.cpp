#include "platform/startup/display_requirements.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>
#include <string_view>

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

}  // namespace

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

}  // namespace forms
