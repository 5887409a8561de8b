#pragma once

namespace forms {

// Qt starts threads of its own (the X11 event reader, the message-bus connection) and then
// waits for them without checking that they started. Under a tight address-space limit a new
// thread's stack cannot be mapped, and the program would wait for ever with no window and no
// word. Qt only warns when a thread fails to start; from this call on, that warning ends the
// program with one line saying that memory ran out and exit status 1. Call before the
// application object is made; `title` names the program in that line.
void endWhenAThreadCannotStart(const char* title);

}  // namespace forms
