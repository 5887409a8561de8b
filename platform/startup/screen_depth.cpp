#include <QGuiApplication>
#include <QScreen>

#include "platform/startup/display_requirements.h"

namespace forms {

int screenColourDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 0;
}

}  // namespace forms
