#pragma once

#include <QWidget>

#include "platform/controls/control.h"
#include "platform/values/colour.h"

namespace forms {

// A form as its window reaches it: the colour of its surface, the events the window raises on
// it, and its repaints and close requests.
class WindowedForm {
  public:
    virtual Colour surfaceColour() const = 0;
    virtual void raise(Event ControlEvents::*event, EventArgs args) = 0;
    virtual void closeRequested(QCloseEvent* event) = 0;
    virtual void painted() = 0;

  protected:
    ~WindowedForm() = default;
};

// The top-level Qt window of a form: a fixed client area that the user cannot resize. Mouse
// events that reach it come from the form's own uncovered surface.
class FormWindow final : public QWidget {
  public:
    explicit FormWindow(WindowedForm& form);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    WindowedForm& form_;
};

}  // namespace forms
