#include <QGuiApplication>

#include "app/project.h"

int main(int argc, char** argv) {
    // Desktops match the program's windows to its desktop entry, and so to its name and icon,
    // by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(KINEMORA_DESKTOP_ID));
    return forms::run(argc, argv, kinemora::project());
}
