#pragma once

#include "platform/forms.h"

namespace kinemora {

using namespace forms;

// The main window's module state, shared by its effects. The three persistent counters
// (intClicks, intFrame, intTick) are not here: each is a Static of the one handler that owns it.
struct AnimateModule {
    String strAppPath;      // the program's directory, where code.txt and the face files lie
    Integer intScrollMode;  // the scrolling-text button clicked last
    Integer intDirection;   // the ball's axis: 0 horizontal, 1 vertical
    Integer intStep;        // the ball's signed move per tick, in twips
    Integer intSpeed;       // the speed bar's Value times -10
};

}  // namespace kinemora
