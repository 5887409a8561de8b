#pragma once

#include <QPoint>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

#include "platform/runtime/runtime.h"
#include "platform/time/clock.h"
#include "platform/values/errors.h"

class QWidget;

namespace forms {
class Control;
class Form;
}  // namespace forms

namespace testing_support {

// One question or error box the runtime showed, as the test's hook saw it.
struct ShownBox {
    QString prompt;
    int buttons;
    QString title;
};

// A runtime on a virtual clock, with question boxes answered by the test, and real mouse
// input sent through the window system to a form's window (hit-tested as a user's pointer).
class Harness {
  public:
    Harness();
    ~Harness();

    forms::Runtime& runtime() { return *runtime_; }
    forms::VirtualClock& clock() { return *clock_; }

    // Steps virtual time, letting Qt deliver what is pending before and after.
    void advance(qint64 ms);
    void settle();  // delivers pending Qt events (paints, show/hide) without moving time

    // The boxes shown so far; the answer given to the next ones (vbOK by default).
    const std::vector<ShownBox>& boxes() const { return boxes_; }
    void answerBoxesWith(int answer) { answer_ = answer; }
    // Runs `during` while a box is open (for tests of what may happen meanwhile).
    void whileBoxOpen(std::function<void()> during) { whileOpen_ = std::move(during); }

    // Pointer actions at a point of a form's client area, in pixels.
    void moveTo(forms::Form& form, QPoint at);
    void press(forms::Form& form, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void release(forms::Form& form, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void click(forms::Form& form, QPoint at);
    // The centre of a control in its form's client area, in pixels.
    static QPoint centreOf(const forms::Control& control);
    // A point of a control, `offset` pixels from its top-left corner, in client pixels.
    static QPoint pointIn(const forms::Control& control, QPoint offset);

  private:
    void send(forms::Form& form, QPoint at, int type, Qt::MouseButton button);

    forms::VirtualClock* clock_;
    std::unique_ptr<forms::Runtime> runtime_;
    std::vector<ShownBox> boxes_;
    int answer_ = 1;
    std::function<void()> whileOpen_;
};

// The run-time error a piece of code raises, whole (number 0 if it raises none), or its number.
forms::RuntimeError failureOf(const std::function<void()>& code);
int errorOf(const std::function<void()>& code);

// A program directory of its own for one test: code.txt and the face frames copied from the
// build, which the test may change or remove.
class ProgramDir {
  public:
    ProgramDir();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    void remove(const QString& name) const;

  private:
    QTemporaryDir dir_;
};

}  // namespace testing_support
