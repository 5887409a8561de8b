#pragma once

#include <QByteArray>
#include <functional>

namespace forms {

// What a bounded read of a file gave: its bytes, or that it holds more than the limit.
struct FileContent {
    QByteArray bytes;
    bool overLimit = false;
    qint64 statedSize = 0;  // the size the file system states (0 for many special files)
};

// Reads the next bytes of an open file into the `room` bytes at `into` and returns how many it
// read, 0 at the end of the file; a failure raises the run-time error it is.
using ReadSome = std::function<qint64(char* into, qint64 room)>;

// A file's bytes read through `readSome`, or, when it holds more than `limit`, only that it does.
// The buffer grows as the bytes come, not from the size the file system states, which may be 0
// (many special files) or out of date (a file still written to).
FileContent readWithinLimit(qint64 limit, qint64 statedSize, const ReadSome& readSome);

}  // namespace forms
