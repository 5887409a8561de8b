#include "platform/fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QString>
#include <cmath>

namespace forms {

namespace {

QString familyFor(const char* face) {
    const QString name = QString::fromLatin1(face);
    if (name.compare(QLatin1String("Verdana"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("DejaVu Sans");
    if (name.compare(QLatin1String("Comic Sans MS"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Comic Neue");
    return QStringLiteral("Liberation Sans");  // MS Sans Serif, Arial and anything else
}

}  // namespace

QFont fontFor(const FontSpec& wanted) {
    QFont font(familyFor(wanted.face));
    font.setPixelSize(static_cast<int>(std::lround(wanted.size * 96.0 / 72.0)));
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    // No hinting: glyph advances then come from the font's design and wraps match everywhere.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void loadBundledFonts() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    const QDir fonts(QStringLiteral(":/forms/fonts"));
    for (const QString& file : fonts.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
}

}  // namespace forms
