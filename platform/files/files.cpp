#include "platform/files/files.h"

#include <QtEndian>
#include <array>

#include "platform/files/file_access.h"
#include "platform/values/errors.h"

namespace forms {

namespace {

// Windows-1252 for bytes 0x80..0x9F; the five bytes it leaves undefined keep their own code.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t cp1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte;
}

// Length of the well-formed UTF-8 sequence at `at`, and its code point; 0 if there is none.
int utf8Sequence(const unsigned char* p, qsizetype left, char32_t& code) {
    const unsigned char b = p[0];
    int length = 0;
    char32_t min = 0;
    if (b >= 0xC2 && b <= 0xDF)
        length = 2, code = b & 0x1F, min = 0x80;
    else if (b >= 0xE0 && b <= 0xEF)
        length = 3, code = b & 0x0F, min = 0x800;
    else if (b >= 0xF0 && b <= 0xF4)
        length = 4, code = b & 0x07, min = 0x10000;
    else
        return 0;
    if (left < length) return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < min || code > 0x10FFFF || surrogate ? 0 : length;
}

// UTF-8 where the bytes are valid UTF-8, Windows-1252 byte by byte where they are not.
QString decodeUtf8OrCp1252(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        // Plain ASCII, the bulk of any program text, goes across a run at a time.
        qsizetype run = i;
        while (run < size && p[run] < 0x80) ++run;
        if (run > i) {
            text.append(QLatin1StringView(bytes.data() + i, run - i));
            i = run;
            continue;
        }
        char32_t code = 0;
        int length = utf8Sequence(p + i, size - i, code);
        if (length == 0) code = cp1252(p[i]), length = 1;
        if (code > 0xFFFF) {
            text.append(QChar::highSurrogate(code));
            text.append(QChar::lowSurrogate(code));
        } else {
            text.append(QChar(static_cast<char16_t>(code)));
        }
        i += length;
    }
    return text;
}

// UTF-16 code units as they are (a lone surrogate too); an odd last byte is shown as U+FFFD.
QString decodeUtf16(QByteArrayView bytes, bool littleEndian) {
    const qsizetype units = bytes.size() / 2;
    QString text(units + bytes.size() % 2, Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    if (littleEndian)
        qFromLittleEndian<char16_t>(bytes.data(), units, out);
    else
        qFromBigEndian<char16_t>(bytes.data(), units, out);
    if (bytes.size() % 2) out[units] = QChar::ReplacementCharacter;
    return text;
}

QString tooLargeReason(const FileContent& content, qint64 limit) {
    if (content.statedSize > limit)
        return QStringLiteral("too large: %1, over the limit of %2")
            .arg(sizeText(content.statedSize), sizeText(limit));
    return QStringLiteral("too large: over the limit of %1").arg(sizeText(limit));
}

}  // namespace

QString decodeText(const QByteArray& bytes) {
    const QByteArrayView all(bytes);
    if (all.startsWith("\xEF\xBB\xBF")) return decodeUtf8OrCp1252(all.sliced(3));
    if (all.startsWith("\xFF\xFE")) return decodeUtf16(all.sliced(2), true);
    if (all.startsWith("\xFE\xFF")) return decodeUtf16(all.sliced(2), false);
    return decodeUtf8OrCp1252(all);
}

void FileTable::openForInput(const QString& native, int fileNumber) {
    if (fileNumber < 1 || fileNumber > 511) raiseError(kBadFileNumber);
    if (open_.count(fileNumber)) raiseError(kFileAlreadyOpen, native);
    const FileContent content = readRegularFile(native, kMaxTextBytes);
    if (content.overLimit)
        raiseError(kPathFileAccess, native, tooLargeReason(content, kMaxTextBytes));
    OpenFile& file = open_[fileNumber] =
        OpenFile{native, decodeText(content.bytes), content.bytes.size(), 0};
    if (native == keptPath_) keptText_ = file.text;  // shared, not copied
}

std::optional<qint64> FileTable::lengthWhileOpen(const QString& nativePath) const {
    for (const auto& [number, file] : open_)
        if (file.nativePath == nativePath) return file.bytes;
    return std::nullopt;
}

FileTable::OpenFile& FileTable::file(int fileNumber) {
    const auto it = open_.find(fileNumber);
    if (it == open_.end()) raiseError(kBadFileNumber);
    return it->second;
}

const FileTable::OpenFile& FileTable::file(int fileNumber) const {
    const auto it = open_.find(fileNumber);
    if (it == open_.end()) raiseError(kBadFileNumber);
    return it->second;
}

bool FileTable::atEnd(int fileNumber) const {
    const OpenFile& f = file(fileNumber);
    return f.position >= f.text.size();
}

QString FileTable::read(qint64 characters, int fileNumber) {
    if (characters < 0) raiseError(kInvalidCall);
    OpenFile& f = file(fileNumber);
    if (characters > 0 && f.position >= f.text.size()) raiseError(kInputPastEnd);
    const qsizetype count = std::min<qint64>(characters, f.text.size() - f.position);
    // A read that gives nothing ends the file, so that a loop reading to the end always ends.
    if (count == 0) {
        f.position = f.text.size();
        return {};
    }
    QString part =
        f.position == 0 && count == f.text.size() ? f.text : f.text.mid(f.position, count);
    f.position += count;
    return part;
}

void FileTable::close(int fileNumber) {
    if (!open_.erase(fileNumber)) raiseError(kBadFileNumber);
}

}  // namespace forms
