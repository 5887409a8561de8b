#pragma once

#include <QString>
#include <QStringList>

// Reads the named picture files back from the assets folder, as the program would see them,
// and writes one PNG showing each image four times enlarged with its file name below.
// Files holding several images (the icon) show each image. Returns false if a file cannot be
// read or the PNG cannot be written.
bool writeContactSheet(const QString& assetsDir, const QStringList& fileNames,
                       const QString& pngPath);
