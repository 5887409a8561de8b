#include "platform/files/file_access.h"

namespace forms {

QString sizeText(qint64 bytes) {
    constexpr qint64 kKiB = 1024, kMiB = kKiB * 1024, kGiB = kMiB * 1024;
    const auto in = [bytes](qint64 unit, const char* name) {
        const double value = double(bytes) / double(unit);
        const bool whole = bytes % unit == 0;
        return QStringLiteral("%1 %2").arg(value, 0, 'f', whole ? 0 : 1).arg(QLatin1String(name));
    };
    if (bytes >= kGiB) return in(kGiB, "GiB");
    if (bytes >= kMiB) return in(kMiB, "MiB");
    if (bytes >= kKiB) return in(kKiB, "KiB");
    return QStringLiteral("%1 bytes").arg(bytes);
}

}  // namespace forms
