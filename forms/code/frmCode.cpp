#include "forms/code/frmCode.h"

namespace kinemora {

namespace {

using enum ControlClass;

// The code viewer's controls, in stacking order within each container.
// clang-format off
constexpr ControlDesc kControls[] = {
    // name     class          container   left  top  width  height  tab  visible
    {"Picture1", PictureBox,    "frmCode",  0,    0,   8655,  495,    1,   Shown,
        {.AccessibleName = "Buttons"}},
    {"cmdClose", CommandButton, "Picture1", 7440, 0,   1095,  375,    2,   Shown,
        {.Caption = "Close", .Cancel = true, .AccessibleDescription = "Hides this window"}},
    {"txtCode",  TextBox,       "frmCode",  0,    480, 8655,  6015,   0,   Shown,
        {.MultiLine = true, .ScrollBars = vbVertical, .Locked = true,
         .AccessibleName = "Project code"}},
};
// clang-format on

// Its close box hides it like "Close", so that the text read at start-up stays.
constexpr FormDesc kCodeForm{.name = "frmCode",
                             .caption = "Project Code",
                             .clientWidth = 8655,
                             .clientHeight = 6465,
                             .controls = kControls,
                             .icon = "kinemora.ico",
                             .closeBox = CloseBox::Hides};

}  // namespace

frmCode::frmCode() : Form(kCodeForm) {
    on(cmdClose.Click, &frmCode::cmdClose_Click, "cmdClose_Click");
}

void frmCode::cmdClose_Click() {
    Hide();
}

}  // namespace kinemora
