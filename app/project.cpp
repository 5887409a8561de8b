#include "app/project.h"

#include "forms/animate/frmAnimate.h"
#include "forms/code/frmCode.h"

namespace kinemora {

namespace {

constexpr const char* kUsage =
    "Usage: kinemora [--help | --version]\n"
    "\n"
    "Kinemora shows, on one window, how simple animation and mouse effects are made from\n"
#ifdef _WIN32
    "ordinary window controls and timers. It takes no other options.\n"
#else
    "ordinary window controls and timers. It needs a graphical display (X11 or Wayland);\n"
    "it takes no other options.\n"
#endif
    "\n"
    "Keys:\n"
    "  Tab, Shift+Tab     go through the buttons, the speed bar, the pictures, the link\n"
    "                     and the menu\n"
    "  Space, Return      click the button, picture or label that has the focus\n"
    "  Menu, Shift+F10    press on the question mark as the right mouse button does\n"
    "  Escape             close the code viewer or the How It Works window\n"
    "  F1                 open the \"How It Works\" window\n"
    "  F7, Ctrl+Left      in How It Works, while paused: step back over the latest run\n"
    "                     (F7 also from the other windows)\n"
    "  F8, Ctrl+Right     in How It Works, while paused: step forward (or run the next tick)\n"
    "                     (F8 also from the other windows)\n"
    "  F2                 in How It Works: type a new value for the chosen Watch entry\n"
    "  Alt+Up, Alt+Down   in How It Works' Code pane: go to the previous or next run of the\n"
    "                     line with the cursor (Return, or a click on its count: its latest)\n"
    "\n"
    "  --help             show this help and end\n"
    "  --version          show the version and end";

}  // namespace

forms::Project project() {
    return {
        "kinemora",
        "Kinemora",
        {forms::FormClass::of<frmCode>("frmCode"), forms::FormClass::of<frmAnimate>("frmAnimate")},
        "frmAnimate",
        "code.txt",
        "kinemora " KINEMORA_VERSION,
        kUsage,
        {{"scrolling_text.cpp", "Scrolling text"},
         {"bouncing_ball.cpp", "Bouncing ball"},
         {"flashing_button.cpp", "Flashing button"},
         {"face_animation.cpp", "Face animation"},
         {"rollover_menu.cpp", "Roll-over menu"},
         {"link_label.cpp", "Link label"},
         {"picture_reveal.cpp", "Picture reveal"},
         {"startup.cpp", "Starting and closing the program"},
         {"frmCode.cpp", "The code viewer"}}};
}

}  // namespace kinemora
