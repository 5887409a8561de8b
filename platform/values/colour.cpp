#include "platform/values/colour.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace forms {

namespace {

QColor systemColour(Colour colour) {
    const QPalette palette = QApplication::palette();
    switch (colour) {
        case vbButtonFace:
            return palette.color(QPalette::Button);
        case vbButtonText:
            return palette.color(QPalette::ButtonText);
        case vbWindowBackground:
            return palette.color(QPalette::Base);
        case vbWindowText:
            return palette.color(QPalette::WindowText);
        default:
            return palette.color(QPalette::Window);
    }
}

}  // namespace

QColor toQColor(Colour colour) {
    if (colour & 0x80000000u) return systemColour(colour);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace forms
