#include "platform/startup/session_bus.h"

#include <QByteArray>
#include <QtGlobal>

namespace forms {

namespace {

// A value of a bus address: bytes outside the unescaped set are written as %XX.
QByteArray escapedForAddress(const QByteArray& value) {
    return value.toPercentEncoding("/._*-", "~", '%');
}

}  // namespace

// With no bus named in the environment, libdbus tries the user's bus socket and then
// "autolaunches" a daemon for the X display, which writes ~/.dbus and outlives the program.
// Naming the user's socket keeps the first and leaves out the second.
void useOnlyAnExistingSessionBus() {
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) return;
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray socket =
        runtimeDir.isEmpty() ? QByteArray("/nonexistent/bus") : runtimeDir + "/bus";
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + escapedForAddress(socket));
}

}  // namespace forms
