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

QFont fontFor(const FontSpec& spec) {
    QFont font(familyFor(spec.face));
    font.setPixelSize(static_cast<int>(std::lround(spec.size * 96.0 / 72.0)));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
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
