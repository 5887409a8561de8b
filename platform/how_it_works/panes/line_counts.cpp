#include "platform/how_it_works/panes/line_counts.h"

#include <QLocale>

namespace forms {

namespace {

// With their thousands apart, whatever the locale's default.
QString grouped(int number) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(number);
}

}  // namespace

LineCounts LineCounts::of(int first, int last, const std::function<int(int line)>& runsOf) {
    LineCounts counts;
    for (int line = first; line <= last; ++line)
        if (const int runs = runsOf(line); runs > 0) counts.runs_[line] = runs;
    return counts;
}

int LineCounts::runsOf(int line) const {
    const auto found = runs_.find(line);
    return found == runs_.end() ? 0 : found->second;
}

QString LineCounts::text(int runs) {
    return QStringLiteral("\u00d7") + grouped(runs);
}

QString LineCounts::words(int line, int runs) {
    const QString where = QStringLiteral("line %1").arg(line);
    if (runs == 0) return where;
    return where + (runs == 1 ? QStringLiteral(", made changes in 1 run")
                              : QStringLiteral(", made changes in %1 runs").arg(grouped(runs)));
}

}  // namespace forms
