// Feeds arbitrary bytes to the picture loader behind LoadPicture: it must either give a whole
// picture within the size limit or raise "Invalid picture", and never crash or read astray.

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

#include "platform/files/picture.h"
#include "platform/values/errors.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);  // Qt's image plugins need it
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const forms::Picture picture = forms::decodePicture(bytes);
        const QImage& image = picture->image;
        if (image.isNull()) std::abort();
        if (qint64(image.width()) * image.height() * 4 > forms::kMaxPictureBytes) std::abort();
    } catch (const forms::RuntimeError& error) {
        if (error.number != forms::kInvalidPicture) std::abort();
    }
    return 0;
}
