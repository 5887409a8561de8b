#include "forms/animate/frmAnimate.h"

namespace kinemora {

// A button whose face flashes blue and white on Timer1 (200 ms); a click turns it on or off.

void frmAnimate::cmdFlasher_Click() {
    Timer1.Enabled = !Timer1.Enabled;
}

void frmAnimate::Timer1_Timer() {
    if (cmdFlasher.BackColor == vbBlue) {
        cmdFlasher.BackColor = vbWhite;
    } else {
        cmdFlasher.BackColor = vbBlue;
    }
}

}  // namespace kinemora
