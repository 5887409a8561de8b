#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "platform/how_it_works/panes/control_outline.h"
#include "platform/how_it_works/panes/line_counts.h"
#include "platform/how_it_works/panes/trail.h"
#include "platform/how_it_works/panes/window_placer.h"
#include "platform/how_it_works/records/code_index.h"
#include "platform/how_it_works/records/recorder.h"

class QSplitter;

namespace forms {

class CodePane;
class EventsView;
class PassingMessage;
class PaneShape;
class Runtime;
class TimeBar;
class WatchView;

// "How It Works": a window beside the program's own that shows each handler as it runs, what
// it changed, its code and the values it works on, and that pauses, steps and slows the timers.
// It records while it is shown; hidden, it lets time run as before.
class HowItWorks final : public QWidget {
  public:
    // `effects` names the effects of the code as the Effect choice offers them.
    explicit HowItWorks(Runtime& runtime, std::vector<NamedEffect> effects = {});
    ~HowItWorks() override;

    // Brings every pane up to date with what ran, as each frame does: five times a second,
    // however fast the handlers run.
    void showFrame();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void build();
    void fillEffectChoice(const std::vector<NamedEffect>& effects);
    void showTimeInPictures();
    void followLastRun(bool evenIfNothingRan = false);
    void showCodeOfChosenRow();
    void showCodeOf(const EventLog::Row& row);
    void showCode(const EventLog::Row& row, const QList<int>& strong);
    void rowChosen(const EventLog::Row& row);
    void effectChosen(int effect);
    bool effectShown(int effect) const;
    int travel(int runs);
    void pauseAtMarkedChange(std::size_t run);
    void showRun(std::size_t run);
    // Paused, with the moment just after `run`, and the run shown.
    void goToRun(std::size_t run);
    void runOfLineChosen(int file, int line, RunOfLine which);
    void showTrail();
    void showMessage(const QString& message);
    void entryChosen(int entry);
    void changeChosen(const EventLog::Row& row, std::size_t change);
    void frameDue();
    void refreshWatch();
    qint64 now() const;

    Runtime& runtime_;
    std::optional<CodeIndex> code_;
    Recorder recorder_;
    ControlOutline outline_;
    Trail trail_;
    WindowPlacer placer_;
    QTimer frame_;
    qint64 lastFrame_ = 0;        // when the panes were last brought up to date, on now()
    std::uint64_t followed_ = 0;  // the runs started when the code last followed them
    int effect_ = -1;             // the effect chosen; -1 for all

    TimeBar* timeBar_;
    EventsView* events_;
    CodePane* codePane_;
    WatchView* watch_;
    PassingMessage* message_;
    QSplitter* panes_;  // the Events above, the Code and the Watch below
    QSplitter* lower_;  // the Code beside the Watch, or above it in a narrow window
    std::unique_ptr<PaneShape> shape_;
};

}  // namespace forms
