#pragma once

#include <QString>

#include "platform/files/bounded_read.h"

namespace forms {

// Reads a whole regular file, whatever the length of its path, and never more than `limit`
// bytes plus one, whatever size the file system states. Raises 53 when the file does not
// exist and 75, naming the reason, when it is not a regular file after following links (a
// FIFO, a device, a directory...) or cannot be read. Nothing that could block is opened.
FileContent readRegularFile(const QString& nativePath, qint64 limit);

// The size the file system states for a regular file; raises as readRegularFile does.
qint64 regularFileSize(const QString& nativePath);

// "64 MiB", "1.5 GiB", "512 bytes": a size as the error report gives it.
QString sizeText(qint64 bytes);

}  // namespace forms
