#include "forms/animate/frmAnimate.h"

namespace kinemora {

frmAnimate::frmAnimate() : Form(kAnimateForm) {
    using F = frmAnimate;
    on(Load, &F::Form_Load, "Form_Load");
    onUnload(&F::Form_Unload, "Form_Unload");
    on(MouseMove, &F::Form_MouseMove, "Form_MouseMove");

    on(cmdScroll.Click, &F::cmdScroll_Click, "cmdScroll_Click");
    on(Timer3.Tick, &F::Timer3_Timer, "Timer3_Timer");

    on(cmdDirection.Click, &F::cmdDirection_Click, "cmdDirection_Click");
    on(cmdStop.Click, &F::cmdStop_Click, "cmdStop_Click");
    on(hsbSpeed.Change, &F::hsbSpeed_Change, "hsbSpeed_Change");
    on(Timer4.Tick, &F::Timer4_Timer, "Timer4_Timer");

    on(cmdFlasher.Click, &F::cmdFlasher_Click, "cmdFlasher_Click");
    on(Timer1.Tick, &F::Timer1_Timer, "Timer1_Timer");

    on(imgFace.Click, &F::imgFace_Click, "imgFace_Click");
    on(Timer2.Tick, &F::Timer2_Timer, "Timer2_Timer");

    on(imgMenu.MouseMove, &F::imgMenu_MouseMove, "imgMenu_MouseMove");
    on(fraMenu.MouseMove, &F::fraMenu_MouseMove, "fraMenu_MouseMove");
    on(imgMenuOver.Click, &F::imgMenuOver_Click, "imgMenuOver_Click");

    on(lblLink.MouseMove, &F::lblLink_MouseMove, "lblLink_MouseMove");
    on(lblClose.MouseMove, &F::lblClose_MouseMove, "lblClose_MouseMove");
    on(lblLink.Click, &F::lblLink_Click, "lblLink_Click");
    on(lblClose.Click, &F::lblClose_Click, "lblClose_Click");

    on(imgGreatest.MouseMove, &F::imgGreatest_MouseMove, "imgGreatest_MouseMove");
    on(imgGreatest.MouseDown, &F::imgGreatest_MouseDown, "imgGreatest_MouseDown");
}

}  // namespace kinemora
