#include "forms/animate/frmAnimate.h"

namespace kinemora {

// Three ways to scroll a line of text across the white strip, all on Timer3 (100 ms):
// "Scrolling Text 1" moves a label, "Scrolling Text 2" grows a right-justified label one
// character a tick, "Scrolling Text 3" shows a prompt and, on a second click, removes the
// label's first character every tick.

void frmAnimate::cmdScroll_Click(Integer Index) {
    auto& intClicks = Static<Integer>("intClicks");
    intScrollMode = Index;
    lblScrollText(0).Left = 11280;
    lblScrollText(1).Caption = "";
    cmdScroll(0).Enabled = false;
    cmdScroll(1).Enabled = false;
    if (Index == 2) {
        lblScrollText(3).Caption =
            String("Click Scrolling Text 3 again.  ") + "This text scrolls off the screen by " +
            "removing one character at a time from " + "the front of a label";
        lblScrollText(3).Visible = true;
        intClicks = intClicks + 1;
        if (intClicks != 2) return;  // the first click only shows the prompt
        intClicks = 0;
    } else {
        cmdScroll(2).Enabled = false;
    }
    Timer3.Enabled = true;
}

void frmAnimate::Timer3_Timer() {
    auto& intTick = Static<Integer>("intTick");
    intTick = intTick + 1;
    switch (intScrollMode.value()) {
        case 0:  // the moving label travels 100 twips left a tick
            lblScrollText(0).Visible = true;
            lblScrollText(1).Visible = false;
            lblScrollText(0).Left = lblScrollText(0).Left - 100;
            if (lblScrollText(0).Left < 120) FinishScroll(intTick);
            break;
        case 1:  // the growing label takes the next character of its hidden source
            lblScrollText(1).Visible = true;
            lblScrollText(0).Visible = false;
            if (intTick > Len(lblScrollText(2).Caption)) {
                FinishScroll(intTick);
            } else {
                lblScrollText(1).Caption =
                    lblScrollText(1).Caption + Mid(lblScrollText(2).Caption, intTick, 1);
            }
            break;
        case 2:  // the shrinking label loses its first character
            lblScrollText(3).Caption =
                Right(lblScrollText(3).Caption, Len(lblScrollText(3).Caption) - 1);
            if (Len(lblScrollText(3).Caption) == 0) FinishScroll(intTick);
            break;
    }
}

// Ends a run: the buttons come back and the timer stops.
void frmAnimate::FinishScroll(Variable<Integer>& intTick) {
    cmdScroll(0).Enabled = true;
    cmdScroll(1).Enabled = true;
    cmdScroll(2).Enabled = true;
    intTick = 0;
    Timer3.Enabled = false;
}

}  // namespace kinemora
