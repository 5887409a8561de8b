#pragma once

#include <QImage>
#include <QPoint>
#include <memory>
#include <optional>

#include "platform/values/text.h"

class QByteArray;
class QCursor;

namespace forms {

// A decoded picture. Controls share pictures by reference: assigning one control's picture to
// another shares the same object, and two pictures are the same only if they are one object.
struct PictureData {
    QImage image;
    std::optional<QPoint> hotSpot;  // set for cursor files
    QString name;                   // the file's name, for a watcher to show
};
using Picture = std::shared_ptr<const PictureData>;

// The largest picture the loader decodes, in bytes of 32-bit pixels.
inline constexpr qint64 kMaxPictureBytes = 16 * 1024 * 1024;

// Reads a picture file by its native path: missing 53, not a regular file or unreadable 75, not
// a picture (or truncated) 481, and 481 "Picture too large" for a file or a picture over the
// size limits.
Picture readPictureFile(const String& nativePath);

// Decodes picture bytes by content (any format Qt's image readers know, cursors with their hot
// spot); raises 481 for anything that is not a whole picture within the size limit.
// `name` is the file's native path, for the report.
Picture decodePicture(const QByteArray& bytes, const String& name = {});

// The hot spot that cursor file bytes state; none for any other picture.
std::optional<QPoint> cursorHotSpot(const QByteArray& bytes);

// The mouse pointer a cursor picture stands for, hot spot included, drawn for a screen of
// `ratio` device pixels to a logical pixel (so that it keeps its size beside other pointers).
QCursor cursorFor(const Picture& picture, qreal ratio = 1);

}  // namespace forms
