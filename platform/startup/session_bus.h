#pragma once

namespace forms {

// Lets Qt use the user's session message bus (screen readers talk through it) when there is
// one, and keeps the message-bus library from starting one of its own when there is none.
// Call before the application object is made.
void useOnlyAnExistingSessionBus();

}  // namespace forms
