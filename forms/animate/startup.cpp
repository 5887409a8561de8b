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

// Fills the code viewer from code.txt in the program's directory.
void frmAnimate::LoadProjectCode() {
    const String path = strAppPath + "\\code.txt";
    OpenForInput(path, 1);
    const auto n = FileLen(path);
    while (!Eof(1)) {
        Instance<frmCode>().txtCode.Text = Input(n, 1);
    }
    Close(1);
}

void frmAnimate::Form_Unload(Integer& /*Cancel*/) {
    End();
}

}  // namespace kinemora
