#include "platform/paths.h"

namespace forms {

String nativePath(const String& path) {
    String result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

}  // namespace forms
