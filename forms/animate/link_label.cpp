#include "forms/animate/frmAnimate.h"

namespace kinemora {

// The word "link" is a label laid over the sentence's own word: over it the pointer becomes a
// pointing hand, and a click opens the note panel, whose "click to close" hides it again.

void frmAnimate::lblLink_MouseMove(Integer, Integer, Single, Single) {
    lblLink.MousePointer = vbCustom;
    lblLink.MouseIcon = imgCursor.Picture;
}

void frmAnimate::lblClose_MouseMove(Integer, Integer, Single, Single) {
    lblClose.MousePointer = vbCustom;
    lblClose.MouseIcon = imgCursor.Picture;
}

void frmAnimate::lblLink_Click() {
    picLinkText.Visible = true;
}

void frmAnimate::lblClose_Click() {
    picLinkText.Visible = false;
}

}  // namespace kinemora
