// Feeds arbitrary bytes to the text input behind LoadProjectCode: decoding never fails, keeps
// every byte (NUL included), and gives valid UTF-8 back exactly as it was written.

#include <QString>
#include <cstdint>
#include <cstdlib>

#include "platform/files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = forms::decodeText(bytes);
    if (bytes.isEmpty() != text.isEmpty()) std::abort();
    if (text.size() > bytes.size()) std::abort();  // never more characters than bytes
    const QString strict = QString::fromUtf8(bytes);
    if (!strict.contains(QChar::ReplacementCharacter) && strict != text) std::abort();
    if (text.count(QChar(0)) != bytes.count('\0')) std::abort();
    return 0;
}
