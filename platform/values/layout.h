#pragma once

#include <optional>
#include <span>

#include "platform/values/colour.h"

namespace forms {

enum class ControlClass {
    Label,
    Image,
    CommandButton,
    PictureBox,
    Frame,
    Shape,
    Timer,
    HScrollBar,
    TextBox,
};

enum TextAlign { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };
enum Border { vbBSNone = 0, vbFixedSingle = 1 };
enum Background { vbTransparent = 0, vbOpaque = 1 };
enum ButtonLook { vbButtonStandard = 0, vbButtonGraphical = 1 };
enum ScrollBarSet { vbSBNone = 0, vbHorizontal = 1, vbVertical = 2, vbBoth = 3 };

// How screen readers see a control. Most controls are what their class is (a label is text,
// an image a graphic); a row may say that a picture or label acts as something else, or that
// it has no part in what is read out (a picture store, a bar another control stands for).
enum class AccessibleRole { ClassDefault, None, Button, Link, MenuItem };

inline constexpr int kNoTabIndex = -1;

// A font as a form description names it; the runtime maps the face to a bundled font.
struct FontSpec {
    const char* face = "MS Sans Serif";
    float size = 8.25f;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// What a row of a layout table sets beyond place and size. Anything left out keeps the
// class default.
struct Settings {
    const char* Caption = nullptr;
    const char* Text = nullptr;
    std::optional<Colour> BackColor = std::nullopt;
    std::optional<Colour> ForeColor = std::nullopt;
    std::optional<FontSpec> Font = std::nullopt;
    TextAlign Alignment = vbLeftJustify;
    bool AutoSize = false;
    bool WordWrap = false;
    Border BorderStyle = vbBSNone;
    Background BackStyle = vbOpaque;
    ButtonLook Style = vbButtonStandard;
    const char* Picture = nullptr;  // name of an embedded picture
    int Interval = 0;
    bool Enabled = true;
    int Min = 0;
    int Max = 32767;
    int Value = 0;
    bool MultiLine = false;
    ScrollBarSet ScrollBars = vbSBNone;
    bool Locked = false;
    bool Cancel = false;  // the button that Escape in its window clicks

    // For keyboard and screen-reader users; none of it shows on screen.
    const char* AccessibleName = nullptr;         // what the control is called, over its caption
    const char* AccessibleDescription = nullptr;  // what acting on it does
    AccessibleRole Role = AccessibleRole::ClassDefault;
    const char* LabelledBy = nullptr;  // the label whose caption names the control
    // A timer: the control is read out as a switch that is on while that timer runs, for a
    // control whose click starts and stops it.
    const char* OnWhileRunning = nullptr;
    // A picture or label that the keyboard reaches: Tab comes to it after every control with
    // a TabIndex, in ascending order of this number. Focus on it acts as the pointer coming
    // over it, Space and Return as a click on it.
    int KeyboardStop = kNoTabIndex;
};
inline constexpr bool Shown = true;
inline constexpr bool Hidden = false;

// One control of a form: "name" or "name(index)" for a control array member, its class, the
// control that contains it (the form's own name for the form), place and size in twips.
struct ControlDesc {
    const char* name;
    ControlClass cls;
    const char* container;
    float left, top, width, height;
    int tabIndex;
    bool visible;
    Settings set = {};
};

// What the close box of a form's window does: unload the form (raising Unload; a later use
// creates it afresh), or only hide it, keeping the form and everything in it.
enum class CloseBox { Unloads, Hides };

// A whole form: its window and its controls, listed in stacking order within each container
// (a control lies above those of its container listed after it).
struct FormDesc {
    const char* name;
    const char* caption;
    float clientWidth, clientHeight;  // twips
    std::span<const ControlDesc> controls;
    const char* icon = nullptr;  // name of an embedded picture
    CloseBox closeBox = CloseBox::Unloads;
};

}  // namespace forms
