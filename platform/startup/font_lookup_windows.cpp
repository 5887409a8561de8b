#include "platform/startup/font_lookup.h"

namespace forms {

// Qt finds fonts through DirectWrite on Windows, which reads no rule files; the embedded fonts
// give the same metrics there.
void useLeanFontLookup() {}

}  // namespace forms
