#include "platform/values/errors.h"

namespace forms {

QString errorDescription(int number) {
    switch (number) {
        case kInvalidCall:
            return QStringLiteral("Invalid procedure call or argument");
        case kOverflow:
            return QStringLiteral("Overflow");
        case kOutOfMemory:
            return QStringLiteral("Out of memory");
        case kBadFileNumber:
            return QStringLiteral("Bad file name or number");
        case kFileNotFound:
            return QStringLiteral("File not found");
        case kFileAlreadyOpen:
            return QStringLiteral("File already open");
        case kInputPastEnd:
            return QStringLiteral("Input past end of file");
        case kPathFileAccess:
            return QStringLiteral("Path/File access error");
        case kNoSuchArrayElement:
            return QStringLiteral("Control array element does not exist");
        case kInvalidPropertyValue:
            return QStringLiteral("Invalid property value");
        case kInvalidPicture:
            return QStringLiteral("Invalid picture");
        default:
            return QStringLiteral("Application-defined or object-defined error");
    }
}

void raiseError(int number, const QString& file, const QString& reason) {
    throw RuntimeError{number, errorDescription(number), file, reason};
}

}  // namespace forms
