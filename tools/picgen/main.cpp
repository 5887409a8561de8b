// picgen: draws every picture the program ships with and writes them in their exact Windows
// file forms, so the committed files can be rebuilt from source.
//
//   picgen <assets-folder> [--contact-sheet <png>]

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "asset_files.h"
#include "contact_sheet.h"

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

// The drawings name their fonts by family after loading them from files; a font of the same
// family installed on the system (Liberation Serif 2 beside 1) would take their place and
// change the pictures. A font configuration without any font folder leaves only the loaded
// files to choose from, and keeps fontconfig's cache in the temporary folder.
bool hideSystemFonts(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("fonts.conf"));
    const QByteArray config = "<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" +
                              dir.path().toUtf8() + "</cachedir></fontconfig>\n";
    if (!dir.isValid() || !writeFile(path, config)) return false;
    qputenv("FONTCONFIG_FILE", QFile::encodeName(path));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Drawing needs fonts but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir fontConfigDir;
    if (!hideSystemFonts(fontConfigDir)) return 1;
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription("Writes the program's picture files.");
    parser.addHelpOption();
    parser.addPositionalArgument("assets", "Folder to write the pictures into.");
    const QCommandLineOption sheetOption("contact-sheet", "Also write a PNG showing every picture.",
                                         "png");
    parser.addOption(sheetOption);
    parser.process(app);
    if (parser.positionalArguments().size() != 1) parser.showHelp(2);

    const QString assetsDir = parser.positionalArguments().first();
    QStringList names;
    for (const AssetFile& asset : buildAssetFiles()) {
        if (!writeFile(QDir(assetsDir).filePath(asset.name), asset.bytes)) return 1;
        if (asset.onContactSheet) names << asset.name;
    }
    if (parser.isSet(sheetOption) &&
        !writeContactSheet(assetsDir, names, parser.value(sheetOption))) {
        std::fprintf(stderr, "cannot write the contact sheet %s\n",
                     qPrintable(parser.value(sheetOption)));
        return 1;
    }
    return 0;
}
