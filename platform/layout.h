#pragma once

#include <optional>
#include <span>

#include "platform/colour.h"

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
};

inline constexpr int kNoTabIndex = -1;
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
