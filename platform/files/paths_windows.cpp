#include <windows.h>

#include <QCoreApplication>
#include <QDir>
#include <string>

#include "platform/files/paths.h"

namespace forms {

namespace {

// The running program's file, in wide characters and however long its path.
QString moduleFile() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) return QCoreApplication::applicationFilePath();
        if (length < path.size()) return QString::fromStdWString(path.substr(0, length));
        path.resize(path.size() * 2);
    }
}

// A path of any length may come with the prefix that lifts the length limit.
QString withoutLongPathPrefix(QString path) {
    if (path.startsWith(QLatin1String("\\\\?\\UNC\\"))) return QLatin1String("\\\\") + path.mid(8);
    if (path.startsWith(QLatin1String("\\\\?\\"))) return path.mid(4);
    return path;
}

}  // namespace

String programDirectory() {
    const QString file = QDir::fromNativeSeparators(withoutLongPathPrefix(moduleFile()));
    const QString directory = file.left(file.lastIndexOf(QLatin1Char('/')));
    return QDir::cleanPath(directory.endsWith(QLatin1Char(':')) ? directory + QLatin1Char('/')
                                                                : directory);
}

}  // namespace forms
