#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace forms {

class PacedClock;
class Runtime;

// The row above the panes: Pause, Step and Slow motion, which pace the runtime's clock, then
// Follow and the choice of an effect, which the window answers.
class TimeBar final : public QWidget {
  public:
    TimeBar(Runtime& runtime, QWidget* parent);

    QCheckBox* follow() const { return follow_; }
    QComboBox* effect() const { return effect_; }
    // Time runs at its own pace again: not paused, full speed.
    void returnToRealTime();

  private:
    void pauseToggled(bool paused);

    Runtime& runtime_;
    QPushButton* pause_;
    QPushButton* step_;
    QComboBox* slowMotion_;
    QCheckBox* follow_;
    QComboBox* effect_;
};

}  // namespace forms
