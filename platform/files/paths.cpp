#include "platform/files/paths.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <optional>

#include "platform/files/descriptor.h"

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

// The program's directory as text and as the bytes the file system names it by: a name that
// is not valid UTF-8 does not survive the way to text and back.
struct Directory {
    String text;
    QByteArray native;
};

Directory& knownProgramDirectory() {
    static Directory directory;
    return directory;
}

Directory directoryOf(const QByteArray& file) {
    const qsizetype slash = file.lastIndexOf('/');
    const QByteArray native = slash > 0 ? file.left(slash) : QByteArray("/");
    return {QDir::cleanPath(QFile::decodeName(native)), native};
}

// The name the program was started by, byte for byte (arguments() holds it decoded).
QByteArray firstArgument() {
    QFile commandLine(QStringLiteral("/proc/self/cmdline"));
    if (!commandLine.open(QIODevice::ReadOnly)) return {};
    const QByteArray arguments = commandLine.read(1 << 20);
    return arguments.left(arguments.indexOf('\0'));
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

Directory locateProgramDirectory() {
    if (const auto exe = readLink("/proc/self/exe")) return directoryOf(*exe);
    // The kernel cannot name a file deeper than the system's path limit; such a program was
    // started by a relative name, so look for the file that is the running program.
    for (const QByteArray& candidate : startedAs(firstArgument()))
        if (isSameFile(candidate, "/proc/self/exe")) return directoryOf(candidate);
    return directoryOf(QFile::encodeName(QCoreApplication::applicationFilePath()));
}

bool isWithin(const String& path, const String& directory) {
    if (directory.isEmpty() || !path.startsWith(directory)) return false;
    return path.size() == directory.size() || directory.endsWith(QLatin1Char('/')) ||
           path[directory.size()] == QLatin1Char('/');
}

}  // namespace

String programDirectory() {
    Directory& known = knownProgramDirectory();
    known = locateProgramDirectory();
    return known.text;
}

QByteArray fileSystemName(const String& path) {
    const Directory& program = knownProgramDirectory();
    if (!isWithin(path, program.text)) return QFile::encodeName(path);
    return program.native + QFile::encodeName(path.mid(program.text.size()));
}

}  // namespace forms
