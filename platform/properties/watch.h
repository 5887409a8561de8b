#pragma once

#include <QString>
#include <cstdint>
#include <memory>

#include "platform/values/integer.h"

namespace forms {

struct PictureData;
struct RuntimeError;

// One run of a handler, as a watcher is told of it.
struct HandlerRun {
    const QString& form;     // "frmAnimate"
    const QString& handler;  // "cmdScroll_Click"
    int index;               // the Index a control array member passed, or -1
    qint64 time;             // on the runtime's clock, in milliseconds
};

// Whoever watches the program run, such as a window that shows how it works: told of each
// handler as it starts and ends, of the untrapped error the runtime reported for it, and of every
// change of a property or variable, in the order they happen. No watcher is set until something
// asks to watch, and then each change costs one call.
class Watcher {
  public:
    virtual ~Watcher() = default;
    virtual void handlerStarted(const HandlerRun& run) = 0;
    virtual void handlerFailed(const RuntimeError& error) = 0;
    virtual void handlerEnded() = 0;
    // `what` is a property ("lblScrollText(1).Caption") or a variable ("intStep").
    virtual void changed(const QString& what, const QString& from, const QString& to) = 0;
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

// A value as a watcher shows it: True, 3020, -10, "text", &HFF0000&, the picture's name.
QString valueText(bool value);
QString valueText(float value);
QString valueText(Integer value);
QString valueText(const QString& value);
QString valueText(std::uint32_t colour);
QString valueText(const std::shared_ptr<const PictureData>& picture);

}  // namespace forms
