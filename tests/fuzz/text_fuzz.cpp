// Feeds arbitrary bytes to the text input behind LoadProjectCode: decoding never fails, keeps
// every byte (NUL included), and gives valid UTF-8 back exactly as it was written; after a
// UTF-16 byte-order mark, one character for every two bytes.

#include <QString>
#include <QStringDecoder>
#include <cstdint>
#include <cstdlib>

#include "platform/files/files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = forms::decodeText(bytes);
    if (text.size() > bytes.size()) std::abort();  // never more characters than bytes
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    const bool utf8Mark = bytes.startsWith("\xEF\xBB\xBF");
    const QByteArray body = bytes.mid(utf16 ? 2 : utf8Mark ? 3 : 0);
    if (body.isEmpty() != text.isEmpty()) std::abort();
    if (utf16) {
        if (text.size() != (body.size() + 1) / 2) std::abort();
        return 0;
    }
    // Strict UTF-8 that keeps a second mark as a character, as the text does.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString strict = utf8(body);
    if (!strict.contains(QChar::ReplacementCharacter) && strict != text) std::abort();
    if (text.count(QChar(0)) != body.count('\0')) std::abort();
    return 0;
}
