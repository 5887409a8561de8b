#pragma once

#include <QObject>

class QPainter;
class QWidget;

namespace forms {

// Lets the keyboard do to a picture or label (its widget) what the pointer does to it. Focus coming
// to the control acts as the pointer moving over it, focus leaving it as the pointer moving onto
// its container's own surface; Space and Return act as a left click on it, the context-menu key and
// Shift+F10 as a right click. Each goes where the pointer's would: to the control on top at the
// control's centre. The mouse never gives such a control the focus, so nothing changes for mouse
// users. Owned by the control's widget.
class KeyboardAccess final : public QObject {
  public:
    explicit KeyboardAccess(QWidget* control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* control_;
};

// The pointer coming to a control's centre, and a click there with one button: each event
// goes to the control on top at that point, as the pointer's would.
void pointAt(QWidget* control);
void clickAt(QWidget* control, Qt::MouseButton button = Qt::LeftButton);

// Before a widget that holds the focus is hidden: the focus goes back to the stop before it,
// the one the user came from.
void moveFocusOutOf(QWidget* widget);

// The focus frame round a widget that has the focus, drawn as the style draws its focused
// buttons. `always`: also when the focus did not come from the keyboard (the style shows focus
// only once the keyboard has moved it).
void paintFocusFrame(const QWidget& widget, QPainter& painter, bool always);

}  // namespace forms
