#include "forms/animate/frmAnimate.h"
#include "forms/code/frmCode.h"

namespace kinemora {

// Start-up fills the hidden code viewer, paints the flasher blue and sets the ball's speed
// before the window shows; closing the window ends the program.

void frmAnimate::Form_Load() {
    strAppPath = App.Path();
    forms::Load<frmCode>();
    LoadProjectCode();
    cmdFlasher.BackColor = vbBlue;
    intSpeed = -10;
    intStep = -10;
    Show();
}

void frmAnimate::Form_Unload(Integer& /*Cancel*/) {
    End();
}

}  // namespace kinemora
