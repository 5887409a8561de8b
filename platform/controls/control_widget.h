#pragma once

#include <QObject>

namespace forms {

class Control;

// Sits on a control's widget and passes its mouse and paint events to the control. Mouse
// events stop at the control that takes them, handled or not, so a move over a caption never
// reaches the form beneath; a disabled control leaves them to its container.
class ControlEventFilter final : public QObject {
  public:
    enum class Mode { Plain, Interactive, ObserveOnly };

    ControlEventFilter(QObject* widget, Control& control, Mode mode);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Control& control_;
    Mode mode_;
};

}  // namespace forms
