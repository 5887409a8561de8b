#include "platform/forms/statements.h"

#include "platform/files/file_access.h"
#include "platform/files/paths.h"

namespace forms {

Integer MsgBox(const QString& prompt, Integer buttons, const QString& title) {
    return Runtime::current().showBox(prompt, buttons.value(), title);
}

void OpenForInput(const String& path, int fileNumber) {
    Runtime::current().files().openForInput(nativePath(path), fileNumber);
}

// An open file's length is what it held when it was opened: for files whose stated size is
// not their content (procfs, say), a read of FileLen characters then takes the whole text.
qint64 FileLen(const String& path) {
    const String native = nativePath(path);
    if (const auto length = Runtime::current().files().lengthWhileOpen(native)) return *length;
    return regularFileSize(native);
}

bool Eof(int fileNumber) {
    return Runtime::current().files().atEnd(fileNumber);
}

String Input(qint64 characters, int fileNumber) {
    return Runtime::current().files().read(characters, fileNumber);
}

void Close(int fileNumber) {
    Runtime::current().files().close(fileNumber);
}

Picture LoadPicture(const String& path) {
    return readPictureFile(nativePath(path));
}

String nativePath(const String& path) {
    return nativePath(path, Runtime::exists() ? Runtime::current().appPath() : String());
}

void End() {
    throw EndRequest{};
}

}  // namespace forms
