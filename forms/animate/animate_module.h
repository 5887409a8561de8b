#pragma once

#include "platform/forms/forms.h"

namespace kinemora {

using namespace forms;

// The main window's module state, shared by its effects. The three persistent counters
// (intClicks, intFrame, intTick) are not here: each is a Static of the one handler that owns it.
struct AnimateModule {
    Variable<String> strAppPath{"strAppPath"};  // the program's directory: code.txt, the faces
    Variable<Integer> intScrollMode{"intScrollMode"};  // the scrolling-text button clicked last
    Variable<Integer> intDirection{"intDirection"};    // the ball's axis: 0 across, 1 down
    Variable<Integer> intStep{"intStep"};              // the ball's signed move per tick, in twips
    Variable<Integer> intSpeed{"intSpeed"};            // the speed bar's Value times -10
};

}  // namespace kinemora
