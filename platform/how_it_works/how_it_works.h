#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "platform/how_it_works/code_index.h"
#include "platform/how_it_works/code_pane.h"
#include "platform/how_it_works/event_log.h"
#include "platform/how_it_works/watch_list.h"
#include "platform/properties/watch.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTreeView;

namespace forms {

class Runtime;

// "How It Works": a window beside the program's own that shows each handler as it runs, what
// it changed, its code and the values it works on, and that pauses, steps and slows the timers.
// It watches the runtime from the moment it is first made; hidden, it lets time run as before.
class HowItWorks final : public QWidget, private Watcher {
  public:
    explicit HowItWorks(Runtime& runtime);
    ~HowItWorks() override;

    // Brings every pane up to date with what ran, as each frame does: at most 30 times a
    // second, however fast the handlers run.
    void showFrame();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void handlerStarted(const HandlerRun& run) override;
    void handlerFailed(const RuntimeError& error) override;
    void handlerEnded() override;
    void changed(const Watched& what, const WatchedValue& from, const WatchedValue& to) override;

    void build();
    QWidget* buildTimeBar();
    void fillPartChoice();
    void placeBesideMainWindow();
    int partOf(const QString& form, const QString& handler) const;
    void followLastRun();
    void rowChosen(const QModelIndex& current);
    void pauseToggled(bool paused);
    void frameDue();
    void refreshWatch();
    qint64 now() const;
    void returnToRealTime();

    Runtime& runtime_;
    std::optional<CodeIndex> code_;
    EventLog log_;
    WatchList watch_;
    QSortFilterProxyModel* filtered_;
    QTimer frame_;
    qint64 lastFrame_ = 0;  // when the panes were last brought up to date, on now()
    int runningPart_ = -1;
    QString lastForm_, lastHandler_;  // the handler that ran last

    QPushButton* pause_;
    QPushButton* step_;
    QComboBox* slowdown_;
    QCheckBox* follow_;
    QComboBox* part_;
    QTreeView* events_;
    CodePane* codePane_;
    QTreeView* watchTable_;
};

}  // namespace forms
