#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// One generated file: its path below the assets folder, its bytes, and whether the contact
// sheet shows it (the desktop's icon sizes are left off).
struct AssetFile {
    QString name;
    QByteArray bytes;
    bool onContactSheet = true;
};

// Every picture file of the program, in the order they are listed for the main window, then
// the face frames, the program icon and the desktop's icons.
std::vector<AssetFile> buildAssetFiles();
