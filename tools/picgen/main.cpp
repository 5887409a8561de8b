// picgen: draws every picture the program ships with and writes them in their exact Windows
// file forms, so the committed files can be rebuilt from source.
//
//   picgen <assets-folder> [--contact-sheet <png>]

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
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

}  // namespace

int main(int argc, char* argv[]) {
    // Drawing needs fonts but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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
        names << asset.name;
    }
    if (parser.isSet(sheetOption) &&
        !writeContactSheet(assetsDir, names, parser.value(sheetOption))) {
        std::fprintf(stderr, "cannot write the contact sheet %s\n",
                     qPrintable(parser.value(sheetOption)));
        return 1;
    }
    return 0;
}
