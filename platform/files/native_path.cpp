#include "platform/files/paths.h"

namespace forms {

String nativePath(const String& path, const String& programDirectory) {
    qsizetype kept = 0;
    if (!programDirectory.isEmpty() && path.startsWith(programDirectory)) {
        const qsizetype end = programDirectory.size();
        if (end == path.size() || path[end] == QLatin1Char('\\') || path[end] == QLatin1Char('/'))
            kept = end;
    }
    String result = path;
    for (qsizetype i = kept; i < result.size(); ++i)
        if (result[i] == QLatin1Char('\\')) result[i] = QLatin1Char('/');
    return result;
}

}  // namespace forms
