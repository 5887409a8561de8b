#pragma once

#include <QByteArray>

#include "platform/values/text.h"

namespace forms {

// The program's paths are built with "\" between directory and file name; the runtime takes
// such a "\" as a directory separator on every platform. The program's directory (App.Path)
// at the start of a path is taken as it is: its own name may hold a "\".
String nativePath(const String& path, const String& programDirectory);

// The directory that holds the running program, however long its path and whatever its name.
String programDirectory();

// The bytes the file system knows a native path by. A path within the program's directory, as
// programDirectory() last gave it, starts with that directory's own bytes, so that a name that
// is not valid UTF-8 (shown with replacement characters) still reaches its files.
QByteArray fileSystemName(const String& path);

}  // namespace forms
