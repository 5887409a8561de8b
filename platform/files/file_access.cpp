#include "platform/files/file_access.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

#include "platform/files/descriptor.h"
#include "platform/files/paths.h"
#include "platform/values/errors.h"

namespace forms {

namespace {

QString reasonOf(int error) {
    QString reason = QString::fromLocal8Bit(std::strerror(error));
    if (!reason.isEmpty()) reason[0] = reason[0].toLower();
    return reason;
}

[[noreturn]] void raiseFileError(const QString& path, int error) {
    if (error == ENOENT) raiseError(kFileNotFound, path);  // the description says it all
    raiseError(kPathFileAccess, path, reasonOf(error));
}

QString kindOf(mode_t mode) {
    switch (mode & S_IFMT) {
        case S_IFDIR:
            return QStringLiteral("a directory");
        case S_IFIFO:
            return QStringLiteral("a FIFO");
        case S_IFCHR:
            return QStringLiteral("a character device");
        case S_IFBLK:
            return QStringLiteral("a block device");
        case S_IFSOCK:
            return QStringLiteral("a socket");
        default:
            return QStringLiteral("a special file");
    }
}

// The status of an open file, which must be a regular one.
struct stat regularStatus(const Descriptor& fd, const QString& path) {
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) raiseFileError(path, errno);
    if (!S_ISREG(status.st_mode))
        raiseError(kPathFileAccess, path,
                   QStringLiteral("not a regular file (%1)").arg(kindOf(status.st_mode)));
    return status;
}

// Finds the file without opening it (O_PATH opens no device and waits for no FIFO's writer),
// and makes sure it is a regular file.
struct stat locateRegular(const QByteArray& native, const QString& path) {
    const Descriptor found = openPath(native, O_PATH);
    if (!found.isOpen()) raiseFileError(path, errno);
    return regularStatus(found, path);
}

}  // namespace

FileContent readRegularFile(const QString& nativePath, qint64 limit) {
    const QByteArray native = fileSystemName(nativePath);
    const qint64 stated = locateRegular(native, nativePath).st_size;
    if (stated > limit) return {{}, true, stated};
    // O_NONBLOCK: should the name have been swapped for a FIFO meanwhile, neither the open
    // nor a read waits; the second check then refuses it.
    const Descriptor fd = openPath(native, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (!fd.isOpen()) raiseFileError(nativePath, errno);
    regularStatus(fd, nativePath);
    return readWithinLimit(limit, stated, [&](char* into, qint64 room) -> qint64 {
        for (;;) {
            const ssize_t count = ::read(fd.get(), into, std::size_t(room));
            if (count >= 0) return count;
            if (errno != EINTR) raiseFileError(nativePath, errno);
        }
    });
}

qint64 regularFileSize(const QString& nativePath) {
    return locateRegular(fileSystemName(nativePath), nativePath).st_size;
}

}  // namespace forms
