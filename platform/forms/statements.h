#pragma once

#include "platform/files/files.h"
#include "platform/files/picture.h"
#include "platform/runtime/boxes.h"
#include "platform/runtime/runtime.h"

namespace forms {

// The statements a form's code calls, each on the running program's runtime: question boxes,
// sequential file input, pictures from files, the program's directory and the end of the
// program. The engines below them (boxes, the file table, paths) know no runtime.

// Asks a modal question; no handler runs while the box is open.
Integer MsgBox(const QString& prompt, Integer buttons, const QString& title);

// Sequential text input by file number.
void OpenForInput(const String& path, int fileNumber);
qint64 FileLen(const String& path);
bool Eof(int fileNumber);
String Input(qint64 characters, int fileNumber);
void Close(int fileNumber);

// Loads a picture file: missing 53, not a regular file or unreadable 75, not a picture (or
// truncated) 481, and 481 "Picture too large" for a file or a picture over the size limits.
Picture LoadPicture(const String& path);

// A path as the program writes it, with "\" between directory and file name, in the file
// system's form; the program's own directory at its start is kept as it is.
String nativePath(const String& path);

// The program's directory.
struct AppObject {
    String Path() const { return Runtime::current().appPath(); }
};
inline const AppObject App;

// The one instance of a form class, created (hidden) and loaded on first use.
template <typename F>
F& Instance() {
    return Runtime::current().form<F>();
}

// Loads a form without showing it.
template <typename F>
void Load() {
    Instance<F>();
}

// Ends the program at once: every window goes, no timer fires again, no further handler runs.
[[noreturn]] void End();

}  // namespace forms
