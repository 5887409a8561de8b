#include "forms/animate/frmAnimate.h"
#include "forms/code/frmCode.h"

namespace kinemora {

// A two-item menu of pictures: the lit bar of an item lies over its plain bar and shows while
// the pointer is on the item; item 0 shows the code viewer, item 1 ends the program.

void frmAnimate::ClearMenuHighlight() {
    for (int i = 0; i <= 1; ++i) {
        imgMenu(i).Visible = true;
        imgMenuOver(i).Visible = false;
    }
}

void frmAnimate::imgMenu_MouseMove(Integer Index, Integer, Integer, Single, Single) {
    ClearMenuHighlight();
    imgMenuOver(Index).Visible = true;
}

void frmAnimate::fraMenu_MouseMove(Integer, Integer, Single, Single) {
    ClearMenuHighlight();
}

void frmAnimate::imgMenuOver_Click(Integer Index) {
    switch (Index.value()) {
        case 0:
            Instance<frmCode>().Show();
            break;
        case 1:
            if (MsgBox("Are you sure you want " + Chr(10) + "to exit the application?",
                       vbYesNo + vbQuestion, "Confirm exit") == vbYes)
                End();
            break;
    }
}

}  // namespace kinemora
