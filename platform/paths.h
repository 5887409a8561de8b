#pragma once

#include "platform/text.h"

namespace forms {

// The program's paths are built with "\" between directory and file name; the runtime takes
// "\" as a directory separator on every platform.
String nativePath(const String& path);

}  // namespace forms
