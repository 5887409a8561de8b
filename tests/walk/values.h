#pragma once

#include <QString>
#include <map>

#include "platform/properties/watch.h"

namespace walk {

// Every property and variable of both forms and each form's visibility, as text.
using Snapshot = std::map<QString, QString>;

// A watcher of its own, set before How It Works is first opened: How It Works tells it of every
// live change, never of its replays, so what it collects is the program's, not the window's.
class Values final : public forms::Watcher {
  public:
    Values();
    ~Values() override;
    Values(const Values&) = delete;
    Values& operator=(const Values&) = delete;

    // Read live, through the same way in the window writes back through.
    Snapshot read() const;
    bool knows(const QString& name) const { return where_.count(name) > 0; }
    forms::WatchedValue read(const QString& name) const { return where_.at(name).read(); }
    const std::map<QString, forms::WriteBack>& all() const { return where_; }

    // The latest run: the handler that started last ("frmAnimate::Timer4_Timer"), or, for
    // changes made outside any handler, who made them ("Made by you"); and how many there were.
    const QString& lastRun() const { return lastRun_; }
    long runs() const { return runs_; }

  private:
    void handlerStarted(const forms::HandlerRun& run) override;
    void handlerFailed(const forms::RuntimeError&) override {}
    void handlerEnded() override { --depth_; }
    void changed(const forms::Watched& what, const forms::WatchedValue&, const forms::WatchedValue&,
                 const forms::Place&) override;

    std::map<QString, forms::WriteBack> where_;
    QString lastRun_;
    long runs_ = 0;
    int depth_ = 0;  // handlers running
    forms::Watcher* before_;
};

}  // namespace walk
