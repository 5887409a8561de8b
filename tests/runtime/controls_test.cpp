// Controls on a shown form, driven through the window system: stacking and mouse routing,
// capture, Click, redundant property sets, twips, label wrapping and the keyboard.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <cmath>

#include "platform/forms/forms.h"
#include "support/harness.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace {

using namespace forms;
using testing_support::Harness;

// The pointer tests use pixels, 15 twips each.
constexpr float px(int pixels) {
    return static_cast<float>(pixels * 15);
}

namespace layout {
using enum ControlClass;

// clang-format off
constexpr ControlDesc kControls[] = {
    // name        class          container   left     top      width    height   tab          visible
    {"lblOver",    Label,         "frmTest",  px(10),  px(10),  px(100), px(30),  0,           Shown},
    {"imgOver",    Image,         "frmTest",  px(150), px(10),  px(60),  px(30),  kNoTabIndex, Shown},
    {"shpOutline", Shape,         "frmTest",  px(240), px(10),  px(60),  px(30),  kNoTabIndex, Shown},
    {"cmdUnder",   CommandButton, "frmTest",  px(180), px(20),  px(120), px(40),  3,           Shown},
    {"lblHidden",  Label,         "frmTest",  px(10),  px(200), px(80),  px(30),  0,           Hidden},
    {"lblOff",     Label,         "frmTest",  px(100), px(200), px(80),  px(30),  0,           Shown, {.Enabled = false}},
    {"txtBox",     TextBox,       "frmTest",  px(250), px(200), px(100), px(60),  1,           Shown,
        {.MultiLine = true, .ScrollBars = vbVertical, .Locked = true}},
    {"picBox",     PictureBox,    "frmTest",  px(50),  px(20),  px(120), px(120), 0,           Shown},
    {"lblChild",   Label,         "picBox",   px(10),  px(60),  px(50),  px(20),  0,           Shown},
    {"lblQuiet",   Label,         "picBox",   px(70),  px(60),  px(40),  px(20),  0,           Shown},
    {"fraGroup",   Frame,         "frmTest",  px(200), px(80),  px(150), px(100), 0,           Shown},
    {"lblInFrame", Label,         "fraGroup", px(10),  px(30),  px(60),  px(20),  0,           Shown},
    {"cmdHidden",  CommandButton, "fraGroup", px(80),  px(30),  px(60),  px(20),  0,           Hidden},
    {"cmdOff",     CommandButton, "fraGroup", px(80),  px(60),  px(60),  px(20),  2,           Shown, {.Enabled = false}},
    {"lblWrap",    Label,         "frmTest",  px(10),  px(250), px(60),  px(40),  0,           Shown, {.WordWrap = true}},
    {"lblAuto",    Label,         "frmTest",  px(100), px(250), px(60),  px(40),  0,           Shown, {.AutoSize = true}},
};
// clang-format on
constexpr FormDesc kForm{"frmTest", "Test", px(400), px(300), kControls};
}  // namespace layout

// Every control but lblQuiet, and the form itself, logs each event it raises as "name.Event".
class frmTest final : public Form {
  public:
    frmTest() : Form(layout::kForm) {
        for (const auto& control : controls())
            if (control->Name() != QLatin1String("lblQuiet")) logEvents(*control, control->Name());
        logEvents(*this, QStringLiteral("Form"));
    }
    QStringList log;
    EventArgs lastArgs;

  private:
    void logEvents(ControlEvents& source, const QString& name) {
        const std::pair<Event ControlEvents::*, const char*> events[] = {
            {&ControlEvents::Click, ".Click"},
            {&ControlEvents::MouseDown, ".MouseDown"},
            {&ControlEvents::MouseMove, ".MouseMove"},
            {&ControlEvents::MouseUp, ".MouseUp"}};
        for (const auto& [event, kind] : events)
            (source.*event).bind(name + kind, [this, entry = name + kind](const EventArgs& args) {
                log << entry;
                lastArgs = args;
            });
    }
};

class ControlsTest : public ::testing::Test {
  protected:
    ControlsTest() {
        f.Show();
        h.settle();
    }
    Control& c(const char* name) { return f.control<Control>(name); }
    // The events raised by `act`.
    QStringList logOf(const std::function<void()>& act) {
        f.log.clear();
        act();
        return f.log;
    }
    QStringList moveTo(QPoint at) {
        return logOf([&] { h.moveTo(f, at); });
    }

    Harness h;
    frmTest& f = h.runtime().form<frmTest>();
};

TEST_F(ControlsTest, MovesGoToTheTopmostVisibleControlThatTakesMouseEvents) {
    const auto at = [&](const char* name, int x, int y) {
        return Harness::pointIn(c(name), {x, y});
    };
    const auto mid = [&](const char* name) { return Harness::centreOf(c(name)); };
    const std::pair<QPoint, QStringList> moves[] = {
        {at("picBox", 30, 10), {"lblOver.MouseMove"}},     // listed first, over a picture box
        {at("cmdUnder", 10, 10), {"imgOver.MouseMove"}},   // image listed first, over a button
        {at("cmdUnder", 90, 10), {"cmdUnder.MouseMove"}},  // a shape takes none
        {at("picBox", 100, 100), {"picBox.MouseMove"}},
        {mid("lblChild"), {"lblChild.MouseMove"}},
        {mid("lblQuiet"), {}},  // no handlers, yet it takes the move
        {mid("lblHidden"), {"Form.MouseMove"}},
        {mid("lblOff"), {"Form.MouseMove"}},
        {at("fraGroup", 120, 90), {"fraGroup.MouseMove"}},
        {mid("lblInFrame"), {"lblInFrame.MouseMove"}},
        {at("fraGroup", 100, 35), {"fraGroup.MouseMove"}},  // hidden button
        {at("fraGroup", 100, 65), {"fraGroup.MouseMove"}},  // disabled button
        {mid("txtBox"), {"txtBox.MouseMove"}},
        {QPoint(390, 190), {"Form.MouseMove"}},
    };
    int row = 0;
    for (const auto& [point, expected] : moves) EXPECT_EQ(moveTo(point), expected) << row++;
}

TEST_F(ControlsTest, PressedControlKeepsTheMovesAndClickNeedsPressAndReleaseOnIt) {
    const QPoint onChild = Harness::pointIn(c("lblChild"), {4, 6}), onForm(390, 190);
    const QPoint onButton = Harness::pointIn(c("cmdUnder"), {50, 30});
    h.press(f, onChild);
    EXPECT_EQ(std::tuple(f.lastArgs.Button, f.lastArgs.X, f.lastArgs.Y), std::tuple(1, 60, 90));
    EXPECT_EQ(moveTo(onForm), QStringList{"lblChild.MouseMove"});
    EXPECT_EQ(logOf([&] { h.release(f, onForm); }), QStringList{"lblChild.MouseUp"});
    EXPECT_EQ(moveTo(onChild + QPoint(1, 0)), QStringList{"lblChild.MouseMove"});
    EXPECT_EQ(moveTo(onForm), QStringList{"Form.MouseMove"});

    for (const auto& [at, name] :
         {std::pair{onChild, "lblChild"}, {onButton, "cmdUnder"}, {onForm, "Form"}}) {
        h.moveTo(f, at);
        const QString n = QLatin1String(name);
        EXPECT_EQ(logOf([&, at = at] { h.click(f, at); }),
                  (QStringList{n + ".MouseDown", n + ".MouseUp", n + ".Click"}));
    }
    h.moveTo(f, onButton);
    EXPECT_EQ(logOf([&] {
                  h.press(f, onButton);
                  h.moveTo(f, onForm);
                  h.release(f, onForm);
              }),
              (QStringList{"cmdUnder.MouseDown", "cmdUnder.MouseMove", "cmdUnder.MouseUp"}));
}

TEST_F(ControlsTest, SettingAPropertyToItsValueRepaintsNothingAndTwipsAreKeptExactly) {
    const quint64 before = h.runtime().repaints();
    auto& label = f.control<Label>("lblOver");
    label.Caption = label.Caption;
    label.Left = label.Left.get();
    label.Visible = true;
    f.control<Label>("lblHidden").Visible = false;
    f.control<CommandButton>("cmdUnder").BackColor = vbButtonFace;
    f.control<PictureBox>("picBox").BackColor = vbButtonFace;
    f.control<Image>("imgOver").Picture = Picture();
    c("cmdOff").Enabled = false;
    f.BackColor = vbButtonFace;
    for (int i = 0; i < 10; ++i) moveTo(QPoint(380 - i, 190));  // form surface only
    h.settle();
    EXPECT_EQ(h.runtime().repaints(), before);
    label.Caption = QStringLiteral("changed");
    h.settle();
    EXPECT_GT(label.repaints(), 0u);

    label.Left = 11280;
    for (int step = 0; step < 112; ++step) label.Left = label.Left - 100;
    label.Top = 7;
    label.Width = 1000.5f;
    EXPECT_EQ(label.Left.get(), 80.0f);
    EXPECT_EQ(label.Top.get(), 7.0f);
    EXPECT_EQ(label.Width.get(), 1000.5f);
    EXPECT_EQ(label.widget()->geometry(), QRect(5, 0, 67, 30));  // 80..1080.5, 7..457 twips
}

TEST_F(ControlsTest, LabelsWrapAtBlanksAndAutoSizeToTheirCaption) {
    auto& label = f.control<Label>("lblWrap");
    const QFontMetricsF metrics(label.widget()->font());
    label.Width = static_cast<Single>((std::ceil(metrics.horizontalAdvance("one two")) + 1) * 15);
    const std::pair<const char*, QStringList> wraps[] = {
        {"one two   three", {"one two", "three"}},
        {"  one", {"  one"}},
        {"one\r\ntwo", {"one", "two"}},
        {"a unbreakablewordthatistoolong b", {"a", "unbreakablewordthatistoolong", "b"}},
    };
    for (const auto& [caption, lines] : wraps) {
        label.Caption = QString::fromLatin1(caption);
        EXPECT_EQ(label.lines(), lines) << caption;
    }
    auto& sized = f.control<Label>("lblAuto");
    sized.Caption = QStringLiteral("A longer caption than before");
    const double width = std::ceil(metrics.horizontalAdvance(sized.Caption.get()));
    EXPECT_EQ(sized.Width.get(), static_cast<Single>(width * 15));
    EXPECT_EQ(QPointF(sized.Left.get(), sized.Top.get()), QPointF(px(100), px(250)));
    EXPECT_EQ(sized.lines(), QStringList{sized.Caption.get()});

#ifndef _WIN32
    // Fonts are looked up without the system's rules but still in its folders, which give the
    // faces for characters the bundled fonts lack. (Windows has its own fonts and no rules.)
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans Mono")));
#endif
}

TEST_F(ControlsTest, TabFollowsTabIndexSkippingHiddenAndDisabledAndKeysClickButtons) {
    QWindow* window = f.window()->windowHandle();
    // Focus starts on the lowest TabIndex; Tab skips disabled cmdOff and hidden cmdHidden.
    for (const char* next : {"txtBox", "cmdUnder", "txtBox"}) {
        EXPECT_EQ(f.window()->focusWidget(), c(next).widget()) << next;
        QTest::keyClick(window, Qt::Key_Tab);
    }
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        f.log.clear();
        QTest::keyClick(window, key);
        EXPECT_EQ(f.log, QStringList{"cmdUnder.Click"}) << key;
    }
}

namespace layout {
// clang-format off
constexpr ControlDesc kBarControls[] = {
    {"hsbBar", ControlClass::HScrollBar, "frmBar", px(10), px(10), px(150), px(17), 0, Shown,
        {.Min = 1, .Max = 10, .Value = 3}},
};
// clang-format on
constexpr FormDesc kBarForm{"frmBar", "Bar", px(200), px(60), kBarControls};
}  // namespace layout

class frmBar final : public Form {
  public:
    frmBar() : Form(layout::kBarForm) {
        hsbBar.Change.bind("hsbBar_Change",
                           [this](auto&) { changes << hsbBar.Value.get().value(); });
    }
    HScrollBar& hsbBar = control<HScrollBar>("hsbBar");
    QList<int> changes;
};

// The keys follow the arrows; the middle button leaves the track alone where the left steps
// by one; a Value outside Min..Max from code is refused.
TEST(ScrollBarTest, KeysFollowTheArrowsMiddleClickDoesNothingAndValueStaysInRange) {
    Harness h;
    frmBar& f = h.runtime().form<frmBar>();
    f.Show();
    h.settle();
    QWidget* bar = f.hsbBar.widget();
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Right, 4},    {Qt::Key_Down, 5},
                                            {Qt::Key_PageDown, 6}, {Qt::Key_Left, 5},
                                            {Qt::Key_Up, 4},       {Qt::Key_PageUp, 3}};
    for (const auto& [key, value] : keys) {
        QTest::keyClick(bar, key);
        EXPECT_EQ(f.hsbBar.Value.get(), value) << key;
    }
    EXPECT_EQ(f.changes, (QList<int>{4, 5, 6, 5, 4, 3}));

    const QPoint nearTheRightEnd = Harness::pointIn(f.hsbBar, {bar->width() - 25, 8});
    h.moveTo(f, nearTheRightEnd);
    h.press(f, nearTheRightEnd, Qt::MiddleButton);
    h.release(f, nearTheRightEnd, Qt::MiddleButton);
    EXPECT_EQ(f.hsbBar.Value.get(), 3);
    h.click(f, nearTheRightEnd);
    EXPECT_EQ(f.hsbBar.Value.get(), 4);

    f.changes.clear();
    for (const int outside : {0, 11, -1})
        EXPECT_EQ(testing_support::errorOf([&] { f.hsbBar.Value = outside; }),
                  kInvalidPropertyValue);
    EXPECT_EQ(f.hsbBar.Value.get(), 4);
    EXPECT_EQ(static_cast<QScrollBar*>(bar)->value(), 4);
    f.hsbBar.Value = 10;
    EXPECT_EQ(f.changes, QList<int>{10});
}

}  // namespace
