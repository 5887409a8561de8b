#include "forms/animate/frmAnimate.h"

namespace kinemora {

namespace {

using enum ControlClass;

constexpr FontSpec kSansBold{"MS Sans Serif", 8.25f, true};
constexpr FontSpec kVerdanaBold{"Verdana", 9.75f, true};
constexpr FontSpec kArialBold12{"Arial", 12, true};
constexpr FontSpec kArialLink{"Arial", 12, true, false, true};
constexpr FontSpec kArialBold14{"Arial", 14.25f, true};
constexpr FontSpec kArial10{"Arial", 9.75f};
constexpr FontSpec kSansLink{"MS Sans Serif", 9.75f, true, false, true};
constexpr FontSpec kComicBold{"Comic Sans MS", 12, true};

constexpr Colour kPurple = 0xC000C0;

// Every control of the main window, one row each, in stacking order within each container.
// clang-format off
constexpr ControlDesc kControls[] = {
    // name                 class          container     left   top    width  height tab visible
    {"cmdScroll(2)",        CommandButton, "frmAnimate", 3600,  3120,  1815,  255,   25, Shown,
        {.Caption = "Scrolling Text 3",
         .AccessibleDescription = "Shows a sentence; a second click scrolls it away"}},
    {"fraMenu",             Frame,         "frmAnimate", 7080,  4080,  3255,  1335,  23, Shown,
        {.Caption = "Menu", .Font = kComicBold}},
    {"imgMenuOver(0)",      Image,         "fraMenu",    120,   360,   3000,  390,   kNoTabIndex, Hidden,
        {.Picture = "menu-over-0.bmp", .Role = AccessibleRole::None}},
    {"imgMenuOver(1)",      Image,         "fraMenu",    120,   840,   3000,  390,   kNoTabIndex, Hidden,
        {.Picture = "menu-over-1.bmp", .Role = AccessibleRole::None}},
    {"imgMenu(1)",          Image,         "fraMenu",    120,   840,   3000,  390,   kNoTabIndex, Shown,
        {.Picture = "menu-1.bmp", .AccessibleName = "Exit Application",
         .AccessibleDescription = "Asks whether to end the program",
         .Role = AccessibleRole::MenuItem, .KeyboardStop = 6}},
    {"imgMenu(0)",          Image,         "fraMenu",    120,   360,   3000,  390,   kNoTabIndex, Shown,
        {.Picture = "menu-0.bmp", .AccessibleName = "Display the project code",
         .AccessibleDescription = "Opens the window with the program's code",
         .Role = AccessibleRole::MenuItem, .KeyboardStop = 5}},
    {"picLinkText",         PictureBox,    "frmAnimate", 3600,  4080,  3135,  1335,  19, Hidden,
        {.AccessibleName = "Note"}},
    {"lblClose",            Label,         "picLinkText", 840,  1005,  1380,  240,   21, Shown,
        {.Caption = "click to close", .ForeColor = kPurple, .Font = kSansLink,
         .Alignment = vbCenter, .AutoSize = true, .BackStyle = vbTransparent,
         .AccessibleDescription = "Closes the note", .Role = AccessibleRole::Link,
         .KeyboardStop = 4}},
    {"Label5",              Label,         "picLinkText", 0,    0,     3135,  1335,  20, Shown,
        {.Caption = "The result of clicking on the link could be to open another page or display "
                    "further details about a subject, similar to this text box.",
         .BackColor = vbWhite, .ForeColor = vbRed, .Font = kArial10, .WordWrap = true,
         .BorderStyle = vbFixedSingle}},
    {"cmdStop",             CommandButton, "frmAnimate", 3720,  960,   1095,  375,   15, Shown,
        {.Caption = "Stop", .AccessibleDescription = "Stops the ball"}},
    {"hsbSpeed",            HScrollBar,    "frmAnimate", 3720,  1680,  1095,  255,   14, Shown,
        {.Min = 1, .Max = 10, .Value = 1, .AccessibleDescription = "How fast the ball moves",
         .LabelledBy = "Label3"}},
    {"Timer4",              Timer,         "frmAnimate", 0,     0,     0,     0,     kNoTabIndex, Shown,
        {.Interval = 10, .Enabled = false}},
    {"cmdDirection(1)",     CommandButton, "frmAnimate", 3720,  600,   1095,  375,   13, Shown,
        {.Caption = "Vertical", .AccessibleDescription = "Bounces the ball up and down"}},
    {"cmdDirection(0)",     CommandButton, "frmAnimate", 3720,  240,   1095,  375,   12, Shown,
        {.Caption = "Horizontal", .AccessibleDescription = "Bounces the ball from side to side"}},
    {"Picture2",            PictureBox,    "frmAnimate", 4920,  240,   6375,  2775,  11, Shown,
        {.BackColor = vbWhite, .AccessibleName = "Bouncing ball"}},
    {"imgBall",             Image,         "Picture2",   3120,  1200,  345,   345,   kNoTabIndex, Shown,
        {.Picture = "ball.bmp", .AccessibleName = "Ball"}},
    {"Timer3",              Timer,         "frmAnimate", 0,     0,     0,     0,     kNoTabIndex, Shown,
        {.Interval = 100, .Enabled = false}},
    {"cmdScroll(1)",        CommandButton, "frmAnimate", 1800,  3120,  1815,  255,   8,  Shown,
        {.Caption = "Scrolling Text 2",
         .AccessibleDescription = "Writes a sentence one character at a time"}},
    {"cmdScroll(0)",        CommandButton, "frmAnimate", 0,     3120,  1815,  255,   7,  Shown,
        {.Caption = "Scrolling Text 1",
         .AccessibleDescription = "Moves a sentence in from the right"}},
    {"Picture1",            PictureBox,    "frmAnimate", 0,     3480,  11415, 495,   5,  Shown,
        {.BackColor = vbWhite, .AccessibleName = "Scrolling text"}},
    {"lblScrollText(3)",    Label,         "Picture1",   0,     120,   13020, 240,   24, Hidden,
        {.Caption = "Click Scrolling Text 3 again.  This text scrolls off the screen by removing "
                    "one character at a time from the front of a label",
         .ForeColor = vbGreen, .Font = kVerdanaBold, .AutoSize = true,
         .BackStyle = vbTransparent}},
    {"lblScrollText(2)",    Label,         "Picture1",   10920, 120,   9210,  240,   10, Hidden,
        {.Caption = "This text is scrolled by adding one character at a time to a right hand "
                    "justified label",
         .ForeColor = vbBlack, .Font = kVerdanaBold, .Alignment = vbRightJustify,
         .BackStyle = vbTransparent}},
    {"lblScrollText(1)",    Label,         "Picture1",   0,     120,   9090,  240,   9,  Hidden,
        {.ForeColor = vbRed, .Font = kVerdanaBold, .Alignment = vbRightJustify,
         .BackStyle = vbTransparent}},
    {"lblScrollText(0)",    Label,         "Picture1",   11280, 120,   8685,  240,   6,  Hidden,
        {.Caption = "This text is scrolled by moving the label from left to right by 100 twips "
                    "at a time ",
         .ForeColor = vbBlue, .Font = kVerdanaBold, .AutoSize = true,
         .BackStyle = vbTransparent}},
    {"Timer2",              Timer,         "frmAnimate", 0,     0,     0,     0,     kNoTabIndex, Shown,
        {.Interval = 100, .Enabled = false}},
    {"Timer1",              Timer,         "frmAnimate", 0,     0,     0,     0,     kNoTabIndex, Shown,
        {.Interval = 200, .Enabled = false}},
    {"cmdFlasher",          CommandButton, "frmAnimate", 120,   480,   1095,  375,   0,  Shown,
        {.Caption = "Flasher", .Font = kSansBold, .Style = vbButtonGraphical,
         .AccessibleDescription = "Click to turn flashing on/off", .OnWhileRunning = "Timer1"}},
    {"lblGreatest(0)",      Label,         "frmAnimate", 1320,  2040,  2175,  735,   3,  Shown,
        {.Caption = "< move mouse pointer over         question mark to reveal the      "
                    "greatest ever football team"}},
    {"imgCursor",           Image,         "frmAnimate", 10440, 5040,  480,   480,   kNoTabIndex, Hidden,
        {.Picture = "hand.cur", .Role = AccessibleRole::None}},
    {"lblLink",             Label,         "frmAnimate", 2490,  4110,  405,   285,   18, Shown,
        {.Caption = "link", .ForeColor = vbBlue, .Font = kArialLink, .AutoSize = true,
         .BackStyle = vbTransparent, .AccessibleDescription = "Opens a note beside the sentence",
         .Role = AccessibleRole::Link, .KeyboardStop = 3}},
    {"Label4",              Label,         "frmAnimate", 0,     4080,  3495,  1335,  17, Shown,
        {.Caption = "This label contains a 'link' which is infact another label on top of the "
                    "word that we want to use as the link. ",
         .Font = kArialBold12, .WordWrap = true, .BorderStyle = vbFixedSingle}},
    {"Label3",              Label,         "frmAnimate", 3720,  1440,  1095,  255,   16, Shown,
        {.Caption = "Speed"}},
    {"lblGreatest(1)",      Label,         "frmAnimate", 1320,  2040,  2175,  735,   4,  Hidden,
        {.Caption = "< OK! click to see the real           greatest football team they        "
                    "play in red and white"}},
    {"Shape1",              Shape,         "frmAnimate", 0,     240,   3615,  2775,  kNoTabIndex, Shown},
    {"imgGreatestAnswer",   Image,         "frmAnimate", 1080,  1680,  855,   735,   kNoTabIndex, Hidden,
        {.Picture = "greatest-answer.bmp", .Role = AccessibleRole::None}},
    {"imgGreatest",         Image,         "frmAnimate", 240,   2040,  855,   735,   kNoTabIndex, Shown,
        {.Picture = "greatest.bmp", .AccessibleName = "Question mark",
         .AccessibleDescription = "Point at it to reveal a club crest; press on it for the "
                                  "greatest team's crest",
         .KeyboardStop = 2}},
    {"Label2",              Label,         "frmAnimate", 1320,  1320,  2160,  195,   2,  Shown,
        {.Caption = "< click to turn animation on/off", .AutoSize = true}},
    {"imgFace",             Image,         "frmAnimate", 240,   1080,  720,   720,   kNoTabIndex, Shown,
        {.Picture = "face.bmp", .AccessibleName = "Face animation",
         .AccessibleDescription = "Click to turn animation on/off", .Role = AccessibleRole::Button,
         .OnWhileRunning = "Timer2", .KeyboardStop = 1}},
    {"Label1",              Label,         "frmAnimate", 1320,  600,   2025,  195,   1,  Shown,
        {.Caption = "< click to turn flashing on/off", .AutoSize = true}},
    {"imgGreatestQuestion", Image,         "frmAnimate", 1920,  1680,  855,   735,   kNoTabIndex, Hidden,
        {.Picture = "greatest-question.bmp", .Role = AccessibleRole::None}},
    {"imgTarnley",          Image,         "frmAnimate", 2760,  1680,  870,   735,   kNoTabIndex, Hidden,
        {.Picture = "tarnley.bmp", .Role = AccessibleRole::None}},
    {"lblGreatest(2)",      Label,         "frmAnimate", 1320,  2040,  2175,  735,   22, Hidden,
        {.Caption = "Tarnley Town Football Club", .BackColor = vbWhite, .ForeColor = vbRed,
         .Font = kArialBold14, .Alignment = vbCenter, .WordWrap = true,
         .BorderStyle = vbFixedSingle}},
};
// clang-format on

}  // namespace

const FormDesc kAnimateForm{"frmAnimate", "Kinemora", 11400, 5445, kControls, "kinemora.ico"};

}  // namespace kinemora
