#pragma once

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace forms {

// An outline drawn for about a second around a control of the program, over the control's own
// window: a frame laid on top that takes no input and changes nothing of the control.
class ControlOutline final : public QObject {
  public:
    explicit ControlOutline(QObject* parent);
    ~ControlOutline() override;

    // The control by the name a watcher knows it by ("imgBall", "cmdScroll(1)"), on any of
    // the program's windows but `except`; nothing if there is none with a widget.
    void flash(const QString& control, const QWidget* except) {
        flash(QStringList{control}, except);
    }
    // The first of these controls that has a widget in sight.
    void flash(const QStringList& controls, const QWidget* except);
    void hide();

  private:
    class Frame;
    QPointer<QWidget> frame_;
    QTimer fade_;
};

}  // namespace forms
