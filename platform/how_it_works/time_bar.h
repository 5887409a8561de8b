#pragma once

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSlider;

namespace forms {

class PacedClock;
class Runtime;

// The row above the panes: Pause, Step back, Step, the Timeline and Slow motion, which pace
// the runtime's clock and move through what ran, then Follow and the choice of an effect, which
// the window answers.
class TimeBar final : public QWidget {
  public:
    // What the window does for the controls that move through time.
    struct Moves {
        // Back (below 0) or forward over that many runs, as far as there are; how many it moved.
        std::function<int(int runs)> travel;
        std::function<void(bool paused)> paused;  // after Pause changed
    };
    TimeBar(Runtime& runtime, Moves moves, QWidget* parent);

    QCheckBox* follow() const { return follow_; }
    QComboBox* effect() const { return effect_; }
    QSlider* timeline() const { return timeline_; }
    // The last of its controls that Tab goes to.
    QWidget* lastInTabOrder() const;
    void pause();
    // The timeline spans `runs`, of which the newest `undone` are stepped back over.
    void showHistory(int runs, int undone);
    // Time runs at its own pace again: not paused, full speed.
    void returnToRealTime();

  private:
    void pauseToggled(bool paused);
    void step();

    Runtime& runtime_;
    Moves moves_;
    QPushButton* pause_;
    QPushButton* stepBack_;
    QPushButton* step_;
    QSlider* timeline_;
    int undone_ = 0;
    QComboBox* slowMotion_;
    QCheckBox* follow_;
    QComboBox* effect_;
};

}  // namespace forms
