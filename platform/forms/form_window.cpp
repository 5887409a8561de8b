#include "platform/forms/form_window.h"

#include <QCloseEvent>
#include <QPainter>

#include "platform/accessibility/accessibility.h"
#include "platform/forms/window_hints.h"

namespace forms {

FormWindow::FormWindow(WindowedForm& form) : QWidget(nullptr, Qt::Window), form_(form) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setAccessibleWindow(this);
}

void FormWindow::paintEvent(QPaintEvent* event) {
    form_.painted();
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(form_.surfaceColour()));
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    form_.raise(&ControlEvents::MouseDown, mouseEventArgs(event));
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    form_.raise(&ControlEvents::MouseMove, mouseEventArgs(event));
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    form_.raise(&ControlEvents::MouseUp, mouseEventArgs(event));
    if (rect().contains(event->position().toPoint()) && event->button() == Qt::LeftButton)
        form_.raise(&ControlEvents::Click, {});
}

void FormWindow::closeEvent(QCloseEvent* event) {
    form_.closeRequested(event);
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    offerNoResizing(this);
}

}  // namespace forms
