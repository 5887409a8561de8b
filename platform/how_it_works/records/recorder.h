#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/how_it_works/records/code_index.h"
#include "platform/how_it_works/records/event_log.h"
#include "platform/how_it_works/records/history.h"
#include "platform/how_it_works/records/picture_pool.h"
#include "platform/how_it_works/records/watch_list.h"
#include "platform/properties/place.h"
#include "platform/properties/watch.h"

namespace forms {

// Turns what the runtime tells a watcher into the rows of the Events log and the Watch, each
// with the effect its handler belongs to. It records only between
// start() and stop(); whoever watched before it is still told of everything, after it.
class Recorder final : private Watcher {
  public:
    // `code` may be null: then no handler has an effect.
    Recorder(const CodeIndex* code, std::function<void()> handlerEnded);
    ~Recorder() override;

    void start();
    void stop();

    EventLog& log() { return log_; }
    WatchList& watch() { return watch_; }
    const History& history() const { return history_; }

    // Going back and forth in time, run by run, while `holdEvents` keeps every handler from
    // running; what is written back is not recorded again. Whether there was a run to go to.
    void setHoldEvents(std::function<void(bool)> hold) { holdEvents_ = std::move(hold); }
    bool stepBack() {
        return replay([this] { return history_.stepBack(); });
    }
    bool stepForward() {
        return replay([this] { return history_.stepForward(); });
    }
    bool goTo(std::size_t moment) {
        return replay([this, moment] { return history_.goTo(moment); });
    }
    void dropUndone() { history_.dropUndone(); }
    // Told, with its place in the history, of a run that changed a value marked in the Watch.
    void onMarkedChange(std::function<void(std::size_t run)> told) {
        markedChange_ = std::move(told);
    }
    // The handler that ran last, or empty where the last run was changes outside any handler,
    // made by `lastBy()`.
    const QString& lastForm() const { return lastForm_; }
    const QString& lastHandler() const { return lastHandler_; }
    Place::By lastBy() const { return lastBy_; }
    // The effect of the last run's handler; -1 for none.
    int lastEffect() const { return lastEffect_; }
    // The lines of its file (from 1) whose statements made the last run's changes.
    const QList<int>& lastRunLines() const { return lastRunLines_; }
    // How many handler runs have started while recording: a new one shows as a new count.
    std::uint64_t runsStarted() const { return runsStarted_; }
    // The time a change is marked at in the Watch, from whoever shows it; the time on the
    // runtime's clock, for a change made outside any handler.
    void setNow(std::function<qint64()> now) { now_ = std::move(now); }
    void setRuntimeTime(std::function<qint64()> time) { runtimeTime_ = std::move(time); }

  private:
    void handlerStarted(const HandlerRun& run) override;
    void handlerFailed(const RuntimeError& error) override;
    void handlerEnded() override;
    void changed(const Watched& what, const WatchedValue& from, const WatchedValue& to,
                 const Place& place) override;
    void formLoaded(const QString& form) override;
    void formUnloading() override;
    Author authorOf(const Watched& what, const Place& place) const;
    bool replay(const std::function<bool()>& move);
    bool startsARun(Place::By by) const;
    void beginOutsideHandlers(Place::By by);
    void tellMarkedChange();
    // What a run of a handler needs to know of it, learnt at its first run.
    struct KnownHandler {
        std::optional<CodeIndex::Place> place;  // its lines
        QString name;                           // "frmAnimate.Timer4_Timer"
        bool repeats = false;
    };
    const KnownHandler& knownHandler(const HandlerRun& run);

    const CodeIndex* code_;
    std::function<void()> ended_;
    std::function<qint64()> now_ = [] { return qint64(0); };
    std::function<qint64()> runtimeTime_ = [] { return qint64(0); };
    std::optional<CodeIndex::Place> running_;  // the running handler's lines
    EventLog log_;
    WatchList watch_;
    History history_{log_};
    PicturePool pictures_;
    std::function<void(bool)> holdEvents_ = [](bool) {};
    std::function<void(std::size_t)> markedChange_ = [](std::size_t) {};
    bool replaying_ = false;
    bool inHandler_ = false;
    std::uint64_t runsStarted_ = 0;
    bool markedChanged_ = false;  // the running run changed a value marked in the Watch
    Watcher* before_ = nullptr;   // the watcher there was when recording started
    bool recording_ = false;
    int runningEffect_ = -1;
    QString lastForm_, lastHandler_;
    QHash<std::pair<QString, QString>, KnownHandler> handlers_;  // by form and handler
    Place::By lastBy_ = Place::By::Code;
    int lastEffect_ = -1;
    QList<int> lastRunLines_;
};

}  // namespace forms
