#include "platform/controls/fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QResource>
#include <QString>
#include <cmath>

namespace forms {

namespace {

// How a classic face is drawn: the bundled family, and the horizontal stretch (percent) and
// extra width of a blank (in ems) that make its captions as wide as the classic face makes
// them. Liberation Sans has Arial's widths. DejaVu Sans is Verdana's design with wider
// blanks. MS Sans Serif is a bitmap face drawn anew at each size: at 8 pt its letters are
// Arial's with narrower blanks, at 10 pt bold they are an eighth wider than Arial's.
struct FaceMetrics {
    const char* face;
    bool boldOnly;
    int fromPixels;  // the smallest pixel size the row is for
    const char* family;
    int stretch;
    double blankEms;
};

// The first row that fits a wanted font is taken.
constexpr FaceMetrics kFaces[] = {
    {"MS Sans Serif", true, 13, "Liberation Sans", 112, 0},
    {"MS Sans Serif", false, 0, "Liberation Sans", 100, -0.041},
    {"Verdana", false, 0, "DejaVu Sans", 100, -0.07},
    {"Comic Sans MS", false, 0, "Comic Neue", 100, 0},
};
constexpr FaceMetrics kAnyOtherFace{"Arial", false, 0, "Liberation Sans", 100, 0};

const FaceMetrics& metricsFor(const FontSpec& wanted, int pixels) {
    const QLatin1String face(wanted.face);
    for (const FaceMetrics& row : kFaces)
        if (face.compare(QLatin1String(row.face), Qt::CaseInsensitive) == 0 &&
            (wanted.bold || !row.boldOnly) && pixels >= row.fromPixels)
            return row;
    return kAnyOtherFace;
}

// Registers one embedded font file where it lies in the program's resources, without a copy.
void registerInPlace(const QString& path) {
    const QResource resource(path);
    if (resource.compressionAlgorithm() != QResource::NoCompression) {
        QFontDatabase::addApplicationFontFromData(resource.uncompressedData());
        return;
    }
    QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
        reinterpret_cast<const char*>(resource.data()), static_cast<qsizetype>(resource.size())));
}

}  // namespace

QFont fontFor(const FontSpec& wanted) {
    const int pixels = static_cast<int>(std::lround(wanted.size * 96.0 / 72.0));
    const FaceMetrics& metrics = metricsFor(wanted, pixels);
    QFont font(QString::fromLatin1(metrics.family));
    font.setPixelSize(pixels);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStretch(metrics.stretch);
    font.setWordSpacing(metrics.blankEms * pixels);
    // Glyphs snap to the pixel grid vertically only (FreeType's light hinting), so stems and
    // the tops of letters are crisp while advances keep the font's design and wraps match.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void loadBundledFonts() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    const QDir fonts(QStringLiteral(":/forms/fonts"));
    for (const QString& file : fonts.entryList(QDir::Files)) registerInPlace(fonts.filePath(file));
}

}  // namespace forms
