#pragma once

#include <cstddef>

namespace forms {

// Whether the limits on the program's memory (ulimit -v, ulimit -d) leave room to start: for
// the window-system plugin and its libraries, the stacks of the threads Qt starts at once
// and the first window. With less, Qt fails in ways it does not report: it waits for ever for
// a thread that never started, aborts saying that its plugin is missing, or crashes while
// painting. Returns the room asked for when it is not there, and 0 when it is.
std::size_t missingRoomToStart();

}  // namespace forms
