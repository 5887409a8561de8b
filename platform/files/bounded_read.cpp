#include "platform/files/bounded_read.h"

#include <algorithm>

namespace forms {

FileContent readWithinLimit(qint64 limit, qint64 statedSize, const ReadSome& readSome) {
    if (statedSize > limit) return {{}, true, statedSize};
    const qint64 wanted = limit + 1;  // the one byte more tells a file over the limit
    // Room for the stated size and the byte more, so that a small file read ten times a
    // second costs a small buffer; a file that states no size starts with 64 KiB.
    QByteArray bytes;
    bytes.resize(std::min<qint64>(wanted, statedSize > 0 ? statedSize + 1 : 64 * 1024));
    qint64 got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got == wanted) break;
            bytes.resize(std::min<qint64>(wanted, got * 2));
        }
        const qint64 read = readSome(bytes.data() + got, bytes.size() - got);
        if (read == 0) break;
        got += read;
    }
    if (got > limit) return {{}, true, statedSize};
    bytes.resize(got);
    bytes.squeeze();
    return {bytes, false, statedSize};
}

}  // namespace forms
