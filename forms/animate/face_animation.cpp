#include "forms/animate/frmAnimate.h"

namespace kinemora {

// The face, animated on Timer2 (100 ms) from "face 0.bmp" to "face 7.bmp" beside the program,
// each frame read afresh from its file; a click on the face starts and stops it.

void frmAnimate::imgFace_Click() {
    Timer2.Enabled = !Timer2.Enabled;
}

void frmAnimate::Timer2_Timer() {
    auto& intFrame = Static<Integer>("intFrame");
    intFrame = intFrame + 1;
    if (intFrame > 7) intFrame = 0;
    imgFace.Picture = LoadPicture(strAppPath + "\\face" + Str(intFrame) + ".bmp");
}

}  // namespace kinemora
