#include "platform/how_it_works/records/typed_value.h"

#include <limits>
#include <type_traits>

namespace forms {

namespace {

TypedValue refused(const char* why) {
    return {{}, QString::fromUtf8(why)};
}

TypedValue readAs(const QString& typed, bool) {
    const QString word = typed.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return {true, {}};
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return {false, {}};
    return refused("This value is True or False.");
}

TypedValue readAs(const QString& typed, Integer) {
    bool ok = false;
    const qlonglong number = typed.trimmed().toLongLong(&ok);
    if (!ok) return refused("This value is a whole number, such as -200.");
    if (number < std::numeric_limits<qint16>::min() || number > std::numeric_limits<qint16>::max())
        return refused("This value is a whole number from -32768 to 32767.");
    return {Integer(static_cast<int>(number)), {}};
}

TypedValue readAs(const QString& typed, float) {
    bool ok = false;
    const float number = typed.trimmed().toFloat(&ok);
    if (!ok) return refused("This value is a number, such as 1200.");
    return {number, {}};
}

TypedValue readAs(const QString& typed, const QString&) {
    return {typed, {}};
}

template <typename T>
TypedValue readAs(const QString&, const T&) {
    return refused("This value cannot be typed.");
}

}  // namespace

TypedValue readTyped(const QString& typed, const WatchedValue& like) {
    return std::visit([&typed](const auto& v) { return readAs(typed, v); }, like);
}

QString editText(const WatchedValue& value) {
    if (const QString* text = std::get_if<QString>(&value)) return *text;
    return valueText(value);
}

QString notTypable(const WatchedValue& value) {
    if (std::holds_alternative<std::uint32_t>(value))
        return QStringLiteral("A colour is set by the code; it cannot be typed here.");
    if (std::holds_alternative<std::shared_ptr<const PictureData>>(value))
        return QStringLiteral("A picture comes from a file; it cannot be typed here.");
    return {};
}

}  // namespace forms
