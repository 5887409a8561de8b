#include "support/harness.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "platform/controls/control.h"
#include "platform/forms/form.h"

namespace testing_support {

Harness::Harness() {
    auto clock = std::make_unique<forms::VirtualClock>();
    clock_ = clock.get();
    runtime_ = std::make_unique<forms::Runtime>(std::move(clock));
    runtime_->setBoxHook([this](const QString& prompt, int buttons, const QString& title) {
        boxes_.push_back({prompt, buttons, title});
        if (whileOpen_) std::exchange(whileOpen_, nullptr)();
        return answer_;
    });
}

Harness::~Harness() {
    runtime_.reset();
    settle();
}

void Harness::settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void Harness::advance(qint64 ms) {
    settle();
    clock_->advance(ms);
    settle();
}

void Harness::send(forms::Form& form, QPoint at, int type, Qt::MouseButton button) {
    QWindow* handle = form.window()->windowHandle();
    Q_ASSERT(handle && form.window()->isVisible());
    // QTest's window overloads go through the window system, which hit-tests like a real
    // pointer: the event reaches whatever control lies on top at that point.
    switch (type) {
        case QEvent::MouseButtonPress:
            QTest::mousePress(handle, button, {}, at);
            break;
        case QEvent::MouseButtonRelease:
            QTest::mouseRelease(handle, button, {}, at);
            break;
        default:
            QTest::mouseMove(handle, at);
            break;
    }
    settle();
}

void Harness::moveTo(forms::Form& form, QPoint at) {
    send(form, at, QEvent::MouseMove, Qt::NoButton);
}

void Harness::press(forms::Form& form, QPoint at, Qt::MouseButton button) {
    send(form, at, QEvent::MouseButtonPress, button);
}

void Harness::release(forms::Form& form, QPoint at, Qt::MouseButton button) {
    send(form, at, QEvent::MouseButtonRelease, button);
}

void Harness::click(forms::Form& form, QPoint at) {
    moveTo(form, at);
    press(form, at);
    release(form, at);
}

QPoint Harness::pointIn(const forms::Control& control, QPoint offset) {
    QWidget* widget = control.widget();
    return widget->mapTo(control.Parent().window(), offset);
}

QPoint Harness::centreOf(const forms::Control& control) {
    return pointIn(control, control.widget()->rect().center());
}

ProgramDir::ProgramDir() {
    const QDir bin(QStringLiteral(KINEMORA_BIN_DIR));
    QFile::copy(bin.filePath(QStringLiteral("code.txt")),
                dir_.filePath(QStringLiteral("code.txt")));
    for (int frame = 0; frame <= 7; ++frame) {
        const QString name = QStringLiteral("face %1.bmp").arg(frame);
        QFile::copy(bin.filePath(name), dir_.filePath(name));
    }
}

void ProgramDir::write(const QString& name, const QByteArray& bytes) const {
    QFile file(dir_.filePath(name));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

forms::RuntimeError failureOf(const std::function<void()>& code) {
    try {
        code();
    } catch (const forms::RuntimeError& error) {
        return error;
    }
    return {};
}

int errorOf(const std::function<void()>& code) {
    return failureOf(code).number;
}

void ProgramDir::remove(const QString& name) const {
    QFile::remove(dir_.filePath(name));
}

}  // namespace testing_support
