#include <windows.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <string>
#include <utility>

#include "platform/files/file_access.h"
#include "platform/values/errors.h"

namespace forms {

namespace {

// A file handle that closes itself.
class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (isOpen()) ::CloseHandle(handle_);
    }
    Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

// The name Windows is given: absolute, with backslashes and the prefix that lifts the length
// limit and keeps a device name in it (CON, NUL, COM1...) an ordinary file name.
std::wstring extendedPath(const QString& path) {
    const QString absolute = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (absolute.startsWith(QLatin1String("\\\\")))
        return (QLatin1String("\\\\?\\UNC\\") + absolute.mid(2)).toStdWString();
    return (QLatin1String("\\\\?\\") + absolute).toStdWString();
}

QString reasonOf(DWORD error) {
    QString reason = qt_error_string(int(error)).trimmed();
    if (reason.endsWith(QLatin1Char('.'))) reason.chop(1);
    if (!reason.isEmpty()) reason[0] = reason[0].toLower();
    return reason;
}

[[noreturn]] void raiseFileError(const QString& path, DWORD error) {
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        raiseError(kFileNotFound, path);
    raiseError(kPathFileAccess, path, reasonOf(error));
}

// Opens the file for reading; a directory opens too, to be named as one.
Handle openForReading(const QString& path) {
    Handle file(::CreateFileW(extendedPath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.isOpen()) raiseFileError(path, ::GetLastError());
    return file;
}

// The size of an open file, which must be a regular one.
qint64 regularSize(const Handle& file, const QString& path) {
    if (::GetFileType(file.get()) != FILE_TYPE_DISK)
        raiseError(kPathFileAccess, path, QStringLiteral("not a regular file (a device)"));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.get(), &info)) raiseFileError(path, ::GetLastError());
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        raiseError(kPathFileAccess, path, QStringLiteral("not a regular file (a directory)"));
    return (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

}  // namespace

FileContent readRegularFile(const QString& nativePath, qint64 limit) {
    const Handle file = openForReading(nativePath);
    return readWithinLimit(limit, regularSize(file, nativePath), [&](char* into, qint64 room) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), into, DWORD(std::min<qint64>(room, 1 << 30)), &read, nullptr))
            raiseFileError(nativePath, ::GetLastError());
        return qint64(read);
    });
}

qint64 regularFileSize(const QString& nativePath) {
    return regularSize(openForReading(nativePath), nativePath);
}

}  // namespace forms
