#include "platform/properties/watch.h"

#include <QHashFunctions>
#include <cstring>

#include "platform/files/picture.h"

namespace forms {

QString Watched::text() const {
    if (owner.isEmpty()) return QLatin1String(member);
    return owner + QLatin1Char('.') + QLatin1String(member);
}

bool Watched::operator==(const Watched& other) const {
    return owner == other.owner && std::strcmp(member, other.member) == 0;
}

size_t qHash(const Watched& watched, size_t seed) {
    return qHashMulti(seed, watched.owner, QLatin1String(watched.member));
}

HandlerStarts::HandlerStarts(std::function<void(const QString&)> told)
    : told_(std::move(told)), before_(watcher()) {
    setWatcher(this);
}

HandlerStarts::~HandlerStarts() {
    if (watcher() == this) setWatcher(before_);
}

void HandlerStarts::handlerStarted(const HandlerRun& run) {
    told_(run.form + QLatin1Char('.') + run.handler);
    if (before_) before_->handlerStarted(run);
}

namespace {

QString textOf(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString textOf(float value) {
    return QString::number(value);
}

QString textOf(Integer value) {
    return QString::number(value.value());
}

// Quoted as the code writes it; a long text is cut, so that a watcher's row stays a row.
QString textOf(const QString& value) {
    constexpr qsizetype kLongest = 60;
    QString shown = value.left(kLongest);
    shown.replace(QLatin1Char('\n'), QStringLiteral("\\n")).replace(QLatin1Char('\r'), QString());
    if (value.size() > kLongest) shown += QChar(0x2026);
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString textOf(std::uint32_t colour) {
    return QStringLiteral("&H%1&").arg(colour, 0, 16).toUpper();
}

QString textOf(const std::shared_ptr<const PictureData>& picture) {
    if (!picture) return QStringLiteral("(None)");
    if (picture->name.isEmpty()) return QStringLiteral("(Picture)");
    return QStringLiteral("(Picture: %1)").arg(picture->name);
}

}  // namespace

QString valueText(const WatchedValue& value) {
    return std::visit([](const auto& v) { return textOf(v); }, value);
}

}  // namespace forms
