#pragma once

#include <QWidget>
#include <functional>

#include "platform/how_it_works/panes/time_strip.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace forms {

class PacedClock;
class Runtime;

// The row above the panes: Pause, Step back, Step, the Timeline and Slow motion, which pace
// the runtime's clock and move through what ran, then Follow and the choice of an effect, which
// the window answers. F7 and F8 step back and forward from any of the program's windows while
// the bar shows and time is held; Ctrl+Left and Ctrl+Right do so within its own window.
class TimeBar final : public QWidget {
  public:
    // What the window does for the controls that move through time.
    struct Moves {
        // Back (below 0) or forward over that many runs, as far as there are; how many it moved.
        std::function<int(int runs)> travel;
        std::function<void(bool paused)> paused;  // after Pause changed
        // The time on the program's clock, in ms, of a run by its place in the history (0 the
        // oldest); below 0 where it is not known.
        std::function<qint64(int run)> timeOfRun = [](int) { return qint64{-1}; };
    };
    TimeBar(Runtime& runtime, Moves moves, QWidget* parent);

    QCheckBox* follow() const { return follow_; }
    QCheckBox* trail() const { return trail_; }
    QComboBox* effect() const { return effect_; }
    TimeStrip* timeline() const { return timeline_; }
    // The last of its controls that Tab goes to.
    QWidget* lastInTabOrder() const;
    void pause();
    // The timeline spans `runs`, of which the newest `undone` are stepped back over.
    void showHistory(int runs, int undone);
    // Time runs at its own pace again: not paused, full speed.
    void returnToRealTime();
    // One run back, or one forward (past the last, the next timer tick); a step that cannot
    // be taken says why under the bar.
    void stepBack();
    void step();

  private:
    void addKeys();
    void pauseToggled(bool paused);
    void timelineMoved(int place);
    QString whyNoStep(bool back) const;
    void tell(const QString& status);
    void showPlace();

    Runtime& runtime_;
    Moves moves_;
    QPushButton* pause_;
    QLabel* held_;
    QPushButton* stepBack_;
    QPushButton* step_;
    TimeStrip* timeline_;
    QLabel* place_;
    QLabel* status_;
    int undone_ = 0;
    QComboBox* slowMotion_;
    QCheckBox* follow_;
    QCheckBox* trail_;
    QComboBox* effect_;
};

}  // namespace forms
