#pragma once

namespace forms {

// True when every platform asked for draws on a display server (X11 or Wayland) and none is
// named: Qt would abort with a message about plugins instead of saying what is missing.
bool lacksDisplay(int argc, char** argv);

// The fewest bits a pixel of the screen may have. On an 8-bit (pseudo-colour) X11 screen Qt's
// windows have no paint engine: nothing shows, every paint warns, and drawing text crashes.
constexpr int kLeastColourDepth = 15;

// The colour depth of the screen the windows open on, once the application object is made;
// 0 when there is no screen to ask.
int screenColourDepth();

}  // namespace forms
