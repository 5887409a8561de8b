#pragma once

namespace forms {

// Has fontconfig look in the system's and the user's font folders and caches without reading
// the system's rule files, unless the environment names a font configuration of its own. Runs
// once, before the first text is measured.
void useLeanFontLookup();

}  // namespace forms
