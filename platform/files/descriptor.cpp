#include "platform/files/descriptor.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QList>

namespace forms {

Descriptor openPath(const QByteArray& path, int flags) {
    flags |= O_CLOEXEC;
    if (path.size() < PATH_MAX) return Descriptor(::open(path.constData(), flags));
    Descriptor dir(::open(path.startsWith('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    const QList<QByteArray> parts = path.split('/');
    for (qsizetype i = 0; i + 1 < parts.size() && dir.isOpen(); ++i) {
        if (parts[i].isEmpty()) continue;
        dir =
            Descriptor(::openat(dir.get(), parts[i].constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    }
    if (!dir.isOpen()) return Descriptor();
    return Descriptor(::openat(dir.get(), parts.last().constData(), flags));
}

bool isSameFile(const QByteArray& a, const QByteArray& b) {
    const Descriptor first = openPath(a, O_PATH), second = openPath(b, O_PATH);
    struct stat one {
    }, other{};
    return first.isOpen() && second.isOpen() && ::fstat(first.get(), &one) == 0 &&
           ::fstat(second.get(), &other) == 0 && one.st_dev == other.st_dev &&
           one.st_ino == other.st_ino;
}

}  // namespace forms
