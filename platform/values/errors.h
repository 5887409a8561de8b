#pragma once

#include <QString>

namespace forms {

// Run-time error numbers the runtime raises.
enum ErrorNumber : int {
    kInvalidCall = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kBadFileNumber = 52,
    kFileNotFound = 53,
    kFileAlreadyOpen = 55,
    kInputPastEnd = 62,
    kPathFileAccess = 75,
    kNoSuchArrayElement = 340,
    kInvalidPropertyValue = 380,
    kInvalidPicture = 481,
};

// An untrapped run-time error: it abandons the rest of the handler that raised it and goes to
// the runtime's error report.
struct RuntimeError {
    int number;
    QString description;
    QString file;    // the native path of the file the failing operation worked on, if any
    QString reason;  // why that file failed, when the number alone does not say
};

QString errorDescription(int number);
[[noreturn]] void raiseError(int number, const QString& file = {}, const QString& reason = {});

}  // namespace forms
