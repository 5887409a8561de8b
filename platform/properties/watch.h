#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <variant>

#include "platform/values/integer.h"

namespace forms {

struct PictureData;
struct Place;
struct RuntimeError;

// One run of a handler, as a watcher is told of it.
struct HandlerRun {
    const QString& form;     // "frmAnimate"
    const QString& handler;  // "cmdScroll_Click"
    int index;               // the Index a control array member passed, or -1
    qint64 time;             // on the runtime's clock, in milliseconds
};

// A value as a watcher keeps it, of the property's or variable's own type.
using WatchedValue =
    std::variant<bool, float, Integer, QString, std::uint32_t, std::shared_ptr<const PictureData>>;

// The way back into a property or variable that changed, for a watcher to write it again
// through the same setter a statement uses: a step back, a step forward, a value tried. It is
// valid for as long as the property's form is loaded.
class WriteBack {
  public:
    using Write = void (*)(void* target, const WatchedValue& value, const Place& place);
    // Why the value may not be written there, in plain words; empty where it may.
    using Refusal = QString (*)(const void* target, const WatchedValue& value);
    // The value it holds now, read as the code reads it.
    using Read = WatchedValue (*)(const void* target);

    WriteBack() = default;
    WriteBack(void* target, Write write, Refusal refusal, Read read)
        : target_(target), write_(write), refusal_(refusal), read_(read) {}

    void write(const WatchedValue& value, const Place& place) const {
        write_(target_, value, place);
    }
    QString refusal(const WatchedValue& value) const {
        return refusal_ ? refusal_(target_, value) : QString();
    }
    WatchedValue read() const { return read_(target_); }
    const void* target() const { return target_; }

  private:
    void* target_ = nullptr;
    Write write_ = nullptr;
    Refusal refusal_ = nullptr;
    Read read_ = nullptr;
};

// What changed: a property of a control or form ("lblScrollText(1)" and "Caption"), or a
// variable ("intStep", no owner), and the way to write it again. Kept as it comes; made into
// text only when it is shown.
struct Watched {
    QString owner;
    const char* member;
    WriteBack where;

    QString text() const;
    bool operator==(const Watched& other) const;
};
size_t qHash(const Watched& watched, size_t seed = 0);

// Whoever watches the program run, such as a window that shows how it works: told of each
// handler as it starts and ends, of the untrapped error the runtime reported for it, and of every
// change of a property or variable, in the order they happen. No watcher is set while nothing
// watches, and then each change costs one pointer test.
class Watcher {
  public:
    virtual ~Watcher() = default;
    virtual void handlerStarted(const HandlerRun& run) = 0;
    virtual void handlerFailed(const RuntimeError& error) = 0;
    virtual void handlerEnded() = 0;
    // Who made the change and where: see Place.
    virtual void changed(const Watched& what, const WatchedValue& from, const WatchedValue& to,
                         const Place& place) = 0;
    // The runtime has built a form and is about to raise its Load; a form is about to go, and
    // with it the places its changes can be written back to.
    virtual void formLoaded(const QString& /*form*/) {}
    virtual void formUnloading() {}
};

namespace detail {
inline Watcher* g_watcher = nullptr;
}  // namespace detail

inline Watcher* watcher() {
    return detail::g_watcher;
}
inline void setWatcher(Watcher* watcher) {
    detail::g_watcher = watcher;
}

// A watcher told only of each handler's start, by its full name ("frmMain.cmdGo_Click"), for
// measuring and checking the program from outside. It watches for as long as it lives; whoever
// watches after it (How It Works) tells it in turn.
class HandlerStarts final : public Watcher {
  public:
    explicit HandlerStarts(std::function<void(const QString&)> told);
    ~HandlerStarts() override;
    HandlerStarts(const HandlerStarts&) = delete;
    HandlerStarts& operator=(const HandlerStarts&) = delete;

  private:
    void handlerStarted(const HandlerRun& run) override;
    void handlerFailed(const RuntimeError&) override {}
    void handlerEnded() override {}
    void changed(const Watched&, const WatchedValue&, const WatchedValue&, const Place&) override {}

    std::function<void(const QString&)> told_;
    Watcher* before_;
};

// A value as a watcher shows it: True, 3020, -10, "text", &HFF0000&, the picture's name.
QString valueText(const WatchedValue& value);

}  // namespace forms
