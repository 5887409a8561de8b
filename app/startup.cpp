#include "forms/animate/frmAnimate.h"
#include "forms/code/frmCode.h"

namespace kinemora {

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
