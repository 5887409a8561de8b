#include "platform/startup/font_lookup.h"

#include <fontconfig/fontconfig.h>

#include <QtGlobal>

namespace forms {

namespace {

// The font folders and caches of the system's own fonts.conf, without the rules it includes.
// Reading those rules (some sixty files, and then the catalogue of all that are available) is
// the largest single cost of showing the first window, and they change nothing the program
// shows: its captions are drawn with the embedded fonts, antialiased and unhinted by the
// runtime's own choice. The system's fonts still stand in for characters those fonts lack.
constexpr char kFolders[] = R"(<?xml version="1.0"?>
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <dir>~/.fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <cachedir>~/.fontconfig</cachedir>
</fontconfig>
)";

}  // namespace

void useLeanFontLookup() {
    static bool done = false;
    if (done) return;
    done = true;
    // Whoever names a configuration of their own gets it whole.
    if (qEnvironmentVariableIsSet("FONTCONFIG_FILE") ||
        qEnvironmentVariableIsSet("FONTCONFIG_PATH"))
        return;
    FcConfig* config = FcConfigCreate();
    if (!config) return;
    const auto* folders = reinterpret_cast<const FcChar8*>(kFolders);
    if (FcConfigParseAndLoadFromMemory(config, folders, FcFalse) && FcConfigBuildFonts(config))
        FcConfigSetCurrent(config);  // holds its own reference
    FcConfigDestroy(config);
}

}  // namespace forms
