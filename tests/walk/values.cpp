#include "walk/values.h"

#include "platform/properties/place.h"

namespace walk {

Values::Values() : before_(forms::watcher()) {
    forms::setWatcher(this);
}

Values::~Values() {
    forms::setWatcher(before_);
}

Snapshot Values::read() const {
    Snapshot values;
    for (const auto& [name, where] : where_) values[name] = forms::valueText(where.read());
    return values;
}

void Values::handlerStarted(const forms::HandlerRun& run) {
    lastRun_ = run.form + QStringLiteral("::") + run.handler;
    ++runs_;
    ++depth_;
}

void Values::changed(const forms::Watched& what, const forms::WatchedValue&,
                     const forms::WatchedValue&, const forms::Place& place) {
    where_.insert_or_assign(what.text(), what.where);
    if (depth_ > 0) return;
    static const char* const who[] = {"code", "the user", "the control", "the runtime", "you"};
    lastRun_ =
        QStringLiteral("Made by ") + QString::fromLatin1(who[static_cast<std::size_t>(place.by)]);
    ++runs_;
}

}  // namespace walk
