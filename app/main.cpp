#include <QGuiApplication>
#include <cstdio>

#include "app/project.h"
#include "platform/startup/standard_streams.h"

int main(int argc, char** argv) {
    if (!forms::makeStandardStreamsSafe()) {
        std::fputs("kinemora: a standard stream is closed and /dev/null cannot be opened\n",
                   stderr);
        return 1;
    }
    // Desktops match the program's windows to its desktop entry, and so to its name and icon,
    // by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(KINEMORA_DESKTOP_ID));
    return forms::run(argc, argv, kinemora::project());
}
