#include "platform/properties/watch.h"

#include "platform/files/picture.h"

namespace forms {

QString valueText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString valueText(float value) {
    return QString::number(value);
}

QString valueText(Integer value) {
    return QString::number(value.value());
}

// Quoted as the code writes it; a long text is cut, so that a watcher's row stays a row.
QString valueText(const QString& value) {
    constexpr qsizetype kLongest = 60;
    QString shown = value.left(kLongest);
    shown.replace(QLatin1Char('\n'), QStringLiteral("\\n")).replace(QLatin1Char('\r'), QString());
    if (value.size() > kLongest) shown += QChar(0x2026);
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString valueText(std::uint32_t colour) {
    return QStringLiteral("&H%1&").arg(colour, 0, 16).toUpper();
}

QString valueText(const std::shared_ptr<const PictureData>& picture) {
    if (!picture) return QStringLiteral("(None)");
    if (picture->name.isEmpty()) return QStringLiteral("(Picture)");
    return QStringLiteral("(Picture: %1)").arg(picture->name);
}

}  // namespace forms
