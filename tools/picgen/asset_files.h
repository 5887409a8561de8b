#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// One generated file: its path below the assets folder and its bytes.
struct AssetFile {
    QString name;
    QByteArray bytes;
};

// Every picture file of the program, in the order they are listed for the main window,
// then the face frames and the program icon.
std::vector<AssetFile> buildAssetFiles();
