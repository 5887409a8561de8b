#include "platform/startup/display_requirements.h"

namespace forms {

// Windows always draws on its own desktop; DISPLAY and WAYLAND_DISPLAY mean nothing there.
bool lacksDisplay(int, char**) {
    return false;
}

}  // namespace forms
