#include "platform/paths.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <cerrno>
#include <optional>

#include "platform/file_access.h"

namespace forms {

namespace {

std::optional<QByteArray> readLink(const char* link) {
    QByteArray target(256, Qt::Uninitialized);
    for (;;) {
        const ssize_t length = ::readlink(link, target.data(), target.size());
        if (length < 0) return std::nullopt;
        if (length < target.size()) return target.left(length);
        target.resize(target.size() * 2);
    }
}

QByteArray workingDirectory() {
    // glibc walks up the tree itself when the kernel's answer would be longer than its limit.
    char* cwd = ::getcwd(nullptr, 0);
    const QByteArray path = cwd ? QByteArray(cwd) : QByteArray();
    free(cwd);
    return path;
}

String directoryOf(const QByteArray& file) {
    return QDir::cleanPath(QFile::decodeName(file) + QStringLiteral("/.."));
}

// The places the program may have been started from, by the name it was started with.
std::vector<QByteArray> startedAs(const QByteArray& name) {
    if (name.isEmpty()) return {};
    const QByteArray cwd = workingDirectory();
    if (name.startsWith('/')) return {name};
    if (name.contains('/')) return {cwd + '/' + name};
    std::vector<QByteArray> candidates;
    for (const QByteArray& dir : qgetenv("PATH").split(':'))
        candidates.push_back((dir.startsWith('/') ? dir : cwd + '/' + dir) + '/' + name);
    return candidates;
}

}  // namespace

String nativePath(const String& path, const String& programDirectory) {
    qsizetype kept = 0;
    if (!programDirectory.isEmpty() && path.startsWith(programDirectory)) {
        const qsizetype end = programDirectory.size();
        if (end == path.size() || path[end] == QLatin1Char('\\') || path[end] == QLatin1Char('/'))
            kept = end;
    }
    String result = path;
    for (qsizetype i = kept; i < result.size(); ++i)
        if (result[i] == QLatin1Char('\\')) result[i] = QLatin1Char('/');
    return result;
}

String programDirectory() {
    if (const auto exe = readLink("/proc/self/exe")) return directoryOf(*exe);
    // The kernel cannot name a file deeper than the system's path limit; such a program was
    // started by a relative name, so look for the file that is the running program.
    const QStringList arguments = QCoreApplication::arguments();
    const QByteArray name = arguments.isEmpty() ? QByteArray() : QFile::encodeName(arguments[0]);
    for (const QByteArray& candidate : startedAs(name))
        if (isSameFile(candidate, "/proc/self/exe")) return directoryOf(candidate);
    return QCoreApplication::applicationDirPath();
}

}  // namespace forms
