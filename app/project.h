#pragma once

#include "platform/startup/program.h"

namespace kinemora {

// The program as the runtime runs it: its two windows, the main one first to appear.
forms::Project project();

}  // namespace kinemora
