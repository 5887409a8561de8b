// The main window as it first appears: every control in place, in stacking order, with its
// caption, font, colours and settings, as the program's users and its effects rely on them.

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QWidget>
#include <cmath>
#include <map>

#include "app/project.h"
#include "forms/animate/frmAnimate.h"
#include "support/harness.h"

// Captions read as text when a comparison fails.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using namespace forms;
using kinemora::frmAnimate;
using testing_support::Harness;
using testing_support::ProgramDir;
using K = ControlClass;  // the class column of the table

struct Font {
    QString family = "Liberation Sans";
    int pixels = 11;
    bool bold = false, underline = false;
};
const Font kVerdanaBold{"DejaVu Sans", 13, true};

enum Look { kAuto = 1, kBorder = 2, kClear = 4, kWrap = 8, kGraphical = 16 };

// One control as the user sees it at start; auto-sized labels take their size from the caption.
struct Row {
    const char* name;
    ControlClass cls;
    const char* container;
    int left, top, width, height, tab;
    bool visible;
    QString caption = {};
    Font font = {};
    int look = 0, align = vbLeftJustify;  // look: Look flags
    Colour fore = vbButtonText, back = vbButtonFace;
    int interval = 0;
};

constexpr int kNone = kNoTabIndex;
// clang-format off
Row timer(const char* name, int interval) {
    return {name, K::Timer, "frmAnimate", 0, 0, 0, 0, kNone, true, {}, {}, 0, 0, 0, 0, interval};
}

const Row kRows[] = {
    {"cmdScroll(2)", K::CommandButton, "frmAnimate", 3600, 3120, 1815, 255, 25, true, "Scrolling Text 3"},
    {"fraMenu", K::Frame, "frmAnimate", 7080, 4080, 3255, 1335, 23, true, "Menu", {"Comic Neue", 16, true}},
    {"imgMenuOver(0)", K::Image, "fraMenu", 120, 360, 3000, 390, kNone, false},
    {"imgMenuOver(1)", K::Image, "fraMenu", 120, 840, 3000, 390, kNone, false},
    {"imgMenu(1)", K::Image, "fraMenu", 120, 840, 3000, 390, kNone, true},
    {"imgMenu(0)", K::Image, "fraMenu", 120, 360, 3000, 390, kNone, true},
    {"picLinkText", K::PictureBox, "frmAnimate", 3600, 4080, 3135, 1335, 19, false},
    {"lblClose", K::Label, "picLinkText", 840, 1005, 1380, 240, 21, true, "click to close",
     {.pixels = 13, .bold = true, .underline = true}, kAuto | kClear, vbCenter, 0xC000C0},
    {"Label5", K::Label, "picLinkText", 0, 0, 3135, 1335, 20, true, "The result of clicking on the link "
     "could be to open another page or display further details about a subject, similar to this "
     "text box.", {.pixels = 13}, kBorder | kWrap, vbLeftJustify, vbRed, vbWhite},
    {"cmdStop", K::CommandButton, "frmAnimate", 3720, 960, 1095, 375, 15, true, "Stop"},
    {"hsbSpeed", K::HScrollBar, "frmAnimate", 3720, 1680, 1095, 255, 14, true},
    timer("Timer4", 10),
    {"cmdDirection(1)", K::CommandButton, "frmAnimate", 3720, 600, 1095, 375, 13, true, "Vertical"},
    {"cmdDirection(0)", K::CommandButton, "frmAnimate", 3720, 240, 1095, 375, 12, true, "Horizontal"},
    {"Picture2", K::PictureBox, "frmAnimate", 4920, 240, 6375, 2775, 11, true, {}, {}, 0, 0, 0, vbWhite},
    {"imgBall", K::Image, "Picture2", 3120, 1200, 345, 345, kNone, true},
    timer("Timer3", 100),
    {"cmdScroll(1)", K::CommandButton, "frmAnimate", 1800, 3120, 1815, 255, 8, true, "Scrolling Text 2"},
    {"cmdScroll(0)", K::CommandButton, "frmAnimate", 0, 3120, 1815, 255, 7, true, "Scrolling Text 1"},
    {"Picture1", K::PictureBox, "frmAnimate", 0, 3480, 11415, 495, 5, true, {}, {}, 0, 0, 0, vbWhite},
    {"lblScrollText(3)", K::Label, "Picture1", 0, 120, 13020, 240, 24, false, "Click Scrolling Text 3 "
     "again.  This text scrolls off the screen by removing one character at a time from the front "
     "of a label", kVerdanaBold, kAuto | kClear, vbLeftJustify, 0xC000},
    {"lblScrollText(2)", K::Label, "Picture1", 10920, 120, 9210, 240, 10, false, "This text is scrolled "
     "by adding one character at a time to a right hand justified label", kVerdanaBold, kClear,
     vbRightJustify, 0x0},
    {"lblScrollText(1)", K::Label, "Picture1", 0, 120, 9090, 240, 9, false, "", kVerdanaBold, kClear,
     vbRightJustify, 0xFF},
    {"lblScrollText(0)", K::Label, "Picture1", 11280, 120, 8685, 240, 6, false, "This text is scrolled "
     "by moving the label from left to right by 100 twips at a time ", kVerdanaBold, kAuto | kClear,
     vbLeftJustify, 0xFF0000},
    timer("Timer2", 100),
    timer("Timer1", 200),
    {"cmdFlasher", K::CommandButton, "frmAnimate", 120, 480, 1095, 375, 0, true, "Flasher",
     {.bold = true}, kGraphical, 0, 0, 0xFF0000},
    {"lblGreatest(0)", K::Label, "frmAnimate", 1320, 2040, 2175, 735, 3, true, "< move mouse pointer over"
     + QString(9, ' ') + "question mark to reveal the" + QString(6, ' ') + "greatest ever football team"},
    {"imgCursor", K::Image, "frmAnimate", 10440, 5040, 480, 480, kNone, false},
    {"lblLink", K::Label, "frmAnimate", 2490, 4110, 405, 285, 18, true, "link",
     {.pixels = 16, .bold = true, .underline = true}, kAuto | kClear, vbLeftJustify, 0xFF0000},
    {"Label4", K::Label, "frmAnimate", 0, 4080, 3495, 1335, 17, true, "This label contains a 'link' "
     "which is infact another label on top of the word that we want to use as the link. ",
     {.pixels = 16, .bold = true}, kBorder | kWrap},
    {"Label3", K::Label, "frmAnimate", 3720, 1440, 1095, 255, 16, true, "Speed"},
    {"lblGreatest(1)", K::Label, "frmAnimate", 1320, 2040, 2175, 735, 4, false, "< OK! click to see the "
     "real" + QString(11, ' ') + "greatest football team they" + QString(8, ' ') + "play in red and white"},
    {"Shape1", K::Shape, "frmAnimate", 0, 240, 3615, 2775, kNone, true},
    {"imgGreatestAnswer", K::Image, "frmAnimate", 1080, 1680, 855, 735, kNone, false},
    {"imgGreatest", K::Image, "frmAnimate", 240, 2040, 855, 735, kNone, true},
    {"Label2", K::Label, "frmAnimate", 1320, 1320, 2160, 195, 2, true, "< click to turn animation on/off",
     {}, kAuto},
    {"imgFace", K::Image, "frmAnimate", 240, 1080, 720, 720, kNone, true},
    {"Label1", K::Label, "frmAnimate", 1320, 600, 2025, 195, 1, true, "< click to turn flashing on/off",
     {}, kAuto},
    {"imgGreatestQuestion", K::Image, "frmAnimate", 1920, 1680, 855, 735, kNone, false},
    {"imgTarnley", K::Image, "frmAnimate", 2760, 1680, 870, 735, kNone, false},
    {"lblGreatest(2)", K::Label, "frmAnimate", 1320, 2040, 2175, 735, 22, false, "Tarnley Town Football "
     "Club", {.pixels = 19, .bold = true}, kBorder | kWrap, vbCenter, vbRed, vbWhite},
};
// clang-format on

QString fullName(const Control& c) {
    return c.Index() < 0 ? c.Name() : QStringLiteral("%1(%2)").arg(c.Name()).arg(c.Index().value());
}

void expectProperties(const Control& c, const Row& r) {
    if (const auto* l = dynamic_cast<const Label*>(&c)) {
        EXPECT_EQ(l->Caption.get(), r.caption);
        EXPECT_EQ(QList({l->ForeColor.get(), l->BackColor.get()}), QList({r.fore, r.back}));
        EXPECT_EQ(l->Alignment.get(), r.align);
        EXPECT_EQ(l->AutoSize.get(), (r.look & kAuto) != 0);
        EXPECT_EQ(l->WordWrap.get(), (r.look & kWrap) != 0);
        EXPECT_EQ(l->BorderStyle.get(), r.look & kBorder ? vbFixedSingle : vbBSNone);
        EXPECT_EQ(l->BackStyle.get(), r.look & kClear ? vbTransparent : vbOpaque);
    }
    if (const auto* b = dynamic_cast<const CommandButton*>(&c)) {
        EXPECT_EQ(b->Caption.get(), r.caption);
        EXPECT_EQ(b->BackColor.get(), r.back);
        EXPECT_EQ(b->Style.get(), r.look & kGraphical ? vbButtonGraphical : vbButtonStandard);
    }
    if (const auto* f = dynamic_cast<const Frame*>(&c)) {
        EXPECT_EQ(f->Caption.get(), r.caption);
    }
    if (const auto* p = dynamic_cast<const PictureBox*>(&c)) {
        EXPECT_EQ(p->BackColor.get(), r.back);
    }
    if (const auto* t = dynamic_cast<const Timer*>(&c)) {
        EXPECT_EQ(t->Interval.get(), r.interval);
    }
    if (const auto* s = dynamic_cast<const HScrollBar*>(&c)) {
        EXPECT_EQ(QList({s->Min->value(), s->Max->value(), s->Value->value()}), QList({1, 10, 1}));
    }
    if (r.cls == K::Label || r.cls == K::CommandButton || r.cls == K::Frame) {
        const QFont font = c.widget()->font();
        EXPECT_EQ(std::tuple(font.family(), font.pixelSize(), font.bold(), font.underline()),
                  std::tuple(r.font.family, r.font.pixels, r.font.bold, r.font.underline));
    }
}

// Exact place and size, except that an auto-sized label is one line as wide as its caption:
// within a pixel of the size the classic face gives it, which the bundled fonts stand in for.
void expectPlace(const Control& c, const Row& r) {
    EXPECT_EQ(QPointF(c.Left, c.Top), QPointF(r.left, r.top));
    EXPECT_EQ(c.widget()->pos(), QPoint(r.left / 15, r.top / 15));
    if (const auto* l = dynamic_cast<const Label*>(&c); l && l->AutoSize) {
        // Read first: a hidden label measures its caption when its size is asked for.
        const Single width = l->Width;
        const QFontMetricsF metrics(l->widget()->font());
        EXPECT_EQ(l->lines(), QStringList{l->Caption.get()});
        EXPECT_EQ(l->widget()->width(), std::ceil(metrics.horizontalAdvance(l->Caption)));
        EXPECT_EQ(width, l->widget()->width() * 15);
        EXPECT_NEAR(width, r.width, 15);
        EXPECT_NEAR(l->Height, r.height, 15);
        return;
    }
    EXPECT_EQ(QSizeF(c.Width, c.Height), QSizeF(r.width, r.height));
    EXPECT_EQ(c.widget()->size(), QSize(r.width / 15, r.height / 15));
}

struct MainWindowLayout : ::testing::Test {
    ProgramDir dir;
    Harness h;
    frmAnimate& f = (h.runtime().setAppPath(dir.path()),
                     static_cast<frmAnimate&>(startProject(h.runtime(), kinemora::project())));
};

TEST_F(MainWindowLayout, EveryControlInPlaceAndStackedAsListed) {
    EXPECT_EQ(f.Caption.get(), "Kinemora");
    EXPECT_EQ(f.window()->size(), QSize(760, 363));
    EXPECT_EQ(f.window()->minimumSize(), f.window()->maximumSize());
    ASSERT_EQ(f.controls().size(), std::size(kRows));
    std::map<QString, qsizetype> lastStackPlace;  // per container: higher place lies on top
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const Row& r = kRows[i];
        const Control& c = *f.controls()[i];
        SCOPED_TRACE(r.name);
        ASSERT_EQ(fullName(c), r.name);
        EXPECT_EQ(c.kind(), r.cls);
        EXPECT_EQ(c.TabIndex(), r.tab);
        EXPECT_EQ(c.Enabled.get(), r.cls != K::Timer);
        expectProperties(c, r);
        if (r.cls == K::Timer) continue;
        EXPECT_EQ(c.Visible.get(), r.visible);
        EXPECT_EQ(c.widget()->isHidden(), !r.visible);
        expectPlace(c, r);
        const QWidget* parent = c.widget()->parentWidget();
        EXPECT_EQ(parent->objectName().isEmpty() ? f.Name() : parent->objectName(), r.container);
        const qsizetype place = parent->children().indexOf(c.widget());
        auto [last, first] = lastStackPlace.try_emplace(r.container, place + 1);
        EXPECT_LT(place, last->second);
        last->second = place;
    }
}

TEST_F(MainWindowLayout, WrappedCaptionsAndTheLinkOverItsWord) {
    EXPECT_EQ(f.lblGreatest(0).lines(),
              QStringList({"< move mouse pointer over", "question mark to reveal the",
                           "greatest ever football team"}));
    EXPECT_EQ(f.lblGreatest(1).lines(),
              QStringList({"< OK! click to see the real", "greatest football team they",
                           "play in red and white"}));
    const QString firstLine = f.Label4.lines().value(0);
    ASSERT_TRUE(firstLine.contains("'link'")) << firstLine.toStdString();
    const QFontMetricsF metrics(f.Label4.widget()->font());
    const double wordX = metrics.horizontalAdvance(firstLine.left(firstLine.indexOf("link")));
    const double linkX = f.Label4.Left / 15 + 1 + wordX;  // 1: Label4's border
    EXPECT_NEAR(linkX, f.lblLink.Left / 15, 1.0);

    // A hidden auto-sized label takes its caption's size at the latest when it shows.
    auto& shrinking = f.lblScrollText(3);
    shrinking.Caption = "Click";
    shrinking.Visible = true;
    h.settle();
    EXPECT_LT(shrinking.widget()->width(), 60);
    EXPECT_EQ(shrinking.Width.get(), shrinking.widget()->width() * 15);

    // "Scrolling Text 2" ends with its whole sentence on the one line of its label.
    f.lblScrollText(1).Caption = f.lblScrollText(2).Caption;
    EXPECT_EQ(f.lblScrollText(1).lines(), QStringList{f.lblScrollText(2).Caption.get()});
}

}  // namespace
