#include "platform/form_window.h"

#include <QCloseEvent>
#include <QPainter>

#include "platform/form.h"

namespace forms {

namespace {

constexpr Single kTwipsPerPixel = 15;

EventArgs argsOf(QMouseEvent* event, bool move) {
    EventArgs args;
    if (move) {
        int held = 0;
        if (event->buttons() & Qt::LeftButton) held |= 1;
        if (event->buttons() & Qt::RightButton) held |= 2;
        if (event->buttons() & Qt::MiddleButton) held |= 4;
        args.Button = held;
    } else {
        args.Button = event->button() == Qt::LeftButton     ? 1
                      : event->button() == Qt::RightButton  ? 2
                      : event->button() == Qt::MiddleButton ? 4
                                                            : 0;
    }
    args.X = static_cast<Single>(event->position().x()) * kTwipsPerPixel;
    args.Y = static_cast<Single>(event->position().y()) * kTwipsPerPixel;
    return args;
}

}  // namespace

FormWindow::FormWindow(Form& form) : QWidget(nullptr, Qt::Window), form_(form) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void FormWindow::paintEvent(QPaintEvent* event) {
    form_.painted();
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(form_.BackColor));
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    form_.raise(&ControlEvents::MouseDown, argsOf(event, false));
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    form_.raise(&ControlEvents::MouseMove, argsOf(event, true));
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    form_.raise(&ControlEvents::MouseUp, argsOf(event, false));
    if (rect().contains(event->position().toPoint()) && event->button() == Qt::LeftButton)
        form_.raise(&ControlEvents::Click, {});
}

void FormWindow::closeEvent(QCloseEvent* event) {
    form_.closeRequested(event);
}

}  // namespace forms
