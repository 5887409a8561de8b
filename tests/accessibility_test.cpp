// What screen readers are told of the main window, and what the keyboard does to the pictures
// and labels that only the mouse reached before.

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <optional>
#include <utility>

#include "effects/mouse_fixture.h"
#include "forms/code/frmCode.h"

namespace testing_support {
namespace {

using AccessibilityTest = MouseEffectsTest;

QAccessibleInterface* describe(const forms::Control& control) {
    return QAccessible::queryAccessibleInterface(control.widget());
}

QStringList childNames(QAccessibleInterface* parent) {
    QStringList names;
    for (int i = 0; i < parent->childCount(); ++i) {
        names << parent->child(i)->text(QAccessible::Name);
        EXPECT_EQ(parent->indexOfChild(parent->child(i)), i);
    }
    return names;
}

// Screen readers learn every control's role and a name in plain words; decoration, the picture
// stores and the lit menu bars (the plain bar stands for its item) are not read out.
TEST_F(AccessibilityTest, ControlsTellTheirRoleAndAPlainName) {
    const struct {
        const forms::Control& control;
        QAccessible::Role role;
        QString name;
    } expected[] = {
        {f.Label1, QAccessible::StaticText, "click to turn flashing on/off"},
        {f.imgGreatest, QAccessible::Graphic, "Question mark"},
        {f.imgFace, QAccessible::CheckBox, "Face animation"},
        {f.cmdFlasher, QAccessible::CheckBox, "Flasher"},
        {f.fraMenu, QAccessible::Grouping, "Menu"},
        {f.imgMenu(0), QAccessible::MenuItem, "Display the project code"},
        {f.Picture2, QAccessible::Pane, "Bouncing ball"},
        {f.hsbSpeed, QAccessible::ScrollBar, "Speed"},
        {f.lblLink, QAccessible::Link, "link"},
    };
    for (const auto& e : expected) {
        QAccessibleInterface* info = describe(e.control);
        ASSERT_NE(info, nullptr) << e.name.toStdString();
        EXPECT_EQ(info->role(), e.role) << e.name.toStdString();
        EXPECT_EQ(info->text(QAccessible::Name), e.name);
    }
    EXPECT_EQ(describe(f.imgFace)->text(QAccessible::Description),
              "Click to turn animation on/off");

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(f.window());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Kinemora");
    const QStringList onWindow = childNames(window);
    EXPECT_TRUE(onWindow.contains("Question mark"));
    for (const forms::Control* stored : {static_cast<const forms::Control*>(&f.Shape1),
                                         static_cast<const forms::Control*>(&f.imgCursor)})
        EXPECT_EQ(window->indexOfChild(describe(*stored)), -1) << stored->Name().toStdString();
    EXPECT_EQ(childNames(describe(f.fraMenu)),
              QStringList({"Display the project code", "Exit Application"}));

    // The speed bar is named by its label and follows its caption; labels follow their own.
    auto related = describe(f.hsbSpeed)->relations(QAccessible::Label);
    ASSERT_EQ(related.size(), 1);
    EXPECT_EQ(related[0].first->object(), f.Label3.widget());
    EXPECT_EQ(describe(f.hsbSpeed)->valueInterface()->currentValue(), 1);
    f.Label3.Caption = "Pace";
    EXPECT_EQ(describe(f.hsbSpeed)->text(QAccessible::Name), "Pace");
    f.lblScrollText(3).Caption = "shorter";
    EXPECT_EQ(describe(f.lblScrollText(3))->text(QAccessible::Name), "shorter");
}

void expectEveryNodeNamed(QAccessibleInterface* node) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        EXPECT_FALSE(child->text(QAccessible::Name).isEmpty())
            << child->object()->objectName().toStdString() << " is nameless";
        expectEveryNodeNamed(child);
    }
}

// Captions are spoken without their "<" pointer and the blanks that make them wrap, also where
// they name another control; the flasher and the face are switches, on while their timer runs;
// a label with nothing to say is not read out until it has.
TEST_F(AccessibilityTest, NamesAreSpokenCleanlyAndTheSwitchesSayOnOrOff) {
    EXPECT_EQ(describe(f.lblGreatest(0))->text(QAccessible::Name),
              "move mouse pointer over question mark to reveal the greatest ever football team");
    EXPECT_EQ(describe(f.lblGreatest(1))->text(QAccessible::Name),
              "OK! click to see the real greatest football team they play in red and white");
    EXPECT_TRUE(f.lblGreatest(0).Caption->startsWith("< move mouse pointer over         q"));
    f.Label3.Caption = "< Pace\r\n  of the ball ";
    EXPECT_EQ(describe(f.hsbSpeed)->text(QAccessible::Name), "Pace of the ball");

    for (const auto& [control, timer] :
         {std::pair<const forms::Control*, forms::Timer*>(&f.cmdFlasher, &f.Timer1),
          std::pair<const forms::Control*, forms::Timer*>(&f.imgFace, &f.Timer2)}) {
        SCOPED_TRACE(control->Name().toStdString());
        QAccessibleInterface* info = describe(*control);
        EXPECT_EQ(info->role(), QAccessible::CheckBox);
        EXPECT_TRUE(info->state().checkable);
        EXPECT_FALSE(info->state().checked);
        ASSERT_TRUE(info->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        info->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        harness.settle();
        EXPECT_TRUE(timer->Enabled.get());
        EXPECT_TRUE(info->state().checked);
        click(*control);
        EXPECT_FALSE(timer->Enabled.get());
        EXPECT_FALSE(info->state().checked);
    }

    QAccessibleInterface* strip = describe(f.Picture1);
    auto& growing = f.lblScrollText(1);
    EXPECT_EQ(strip->indexOfChild(describe(growing)), -1);
    EXPECT_TRUE(describe(growing)->state().invisible);
    growing.Caption = "T";
    EXPECT_NE(strip->indexOfChild(describe(growing)), -1);
    growing.Caption = "Th";
    growing.Caption = "";
    EXPECT_EQ(strip->indexOfChild(describe(growing)), -1);
    expectEveryNodeNamed(QAccessible::queryAccessibleInterface(f.window()));
}

// A screen reader's press is a click at the control's centre, hit-tested as the mouse's: the
// menu item lights as under the pointer and its lit bar takes the click.
TEST_F(AccessibilityTest, PressingAControlClicksItAsTheMouseDoes) {
    const auto press = [this](const forms::Control& control) {
        QAccessibleActionInterface* actions = describe(control)->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        harness.settle();
    };
    press(f.imgMenu(0));
    EXPECT_TRUE(f.imgMenuOver(0).Visible.get());
    EXPECT_TRUE(forms::Instance<kinemora::frmCode>().isShown());
    press(f.imgFace);
    EXPECT_TRUE(f.Timer2.Enabled.get());
    press(f.lblLink);
    EXPECT_TRUE(f.picLinkText.Visible);
    press(f.lblClose);
    EXPECT_FALSE(f.picLinkText.Visible);
    harness.answerBoxesWith(forms::vbNo);
    press(f.imgMenu(1));
    ASSERT_EQ(harness.boxes().size(), 1u);
    EXPECT_EQ(harness.boxes()[0].title, "Confirm exit");
    EXPECT_TRUE(describe(f.Label4)->actionInterface()->actionNames().isEmpty());
}

// A box opens over the window it belongs to: the active form's, else a shown one's; before any
// window shows (an error during start-up), over none, in the middle of the screen.
TEST(BoxOwner, IsTheActiveFormsWindowOrNoneBeforeAnyShows) {
    ProgramDir dir;
    dir.remove("code.txt");
    Harness h;
    h.runtime().setAppPath(dir.path());
    std::optional<QWidget*> owner;
    h.whileBoxOpen([&] { owner = h.runtime().boxOwner(); });
    auto& f =
        static_cast<kinemora::frmAnimate&>(forms::startProject(h.runtime(), kinemora::project()));
    ASSERT_EQ(h.boxes().size(), 1u);
    EXPECT_EQ(owner, std::optional<QWidget*>(nullptr));
    h.settle();
    EXPECT_EQ(h.runtime().boxOwner(), f.window());
    forms::Instance<kinemora::frmCode>().Show();
    h.settle();
    EXPECT_EQ(h.runtime().boxOwner(), forms::Instance<kinemora::frmCode>().window());
}

class KeyboardTest : public MouseEffectsTest {
  protected:
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(f.window()->windowHandle(), key, modifiers);
        harness.settle();
    }
    void focus(const forms::Control& control) {
        control.widget()->setFocus(Qt::TabFocusReason);
        harness.settle();
    }
    int shownGreatest() const {
        for (int i = 0; i <= 2; ++i)
            if (f.lblGreatest(i).Visible) return i;
        return -1;
    }
};

// Focus coming is the pointer coming over the control, focus leaving is the pointer going onto
// the container's surface; the context-menu key is the right button.
TEST_F(KeyboardTest, FocusActsAsThePointerComingAndGoing) {
    focus(f.imgMenu(1));
    EXPECT_TRUE(f.imgMenuOver(1).Visible);
    focus(f.imgMenu(0));
    EXPECT_TRUE(f.imgMenuOver(0).Visible.get());
    EXPECT_FALSE(f.imgMenuOver(1).Visible);
    focus(f.cmdFlasher);
    EXPECT_FALSE(f.imgMenuOver(0).Visible);

    focus(f.imgGreatest);
    EXPECT_EQ(shownGreatest(), 1);
    key(Qt::Key_Menu);
    EXPECT_EQ(shownGreatest(), 2);
    focus(f.imgFace);
    EXPECT_EQ(shownGreatest(), 0);
    focus(f.imgGreatest);
    key(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(shownGreatest(), 2);
}

// Space and Return click once, however long held; the mouse never gives a picture the focus;
// a focused control that goes out of sight hands the focus back to the stop before it.
TEST_F(KeyboardTest, KeysClickOnceAndTheMouseLeavesTheFocusWhereItWas) {
    focus(f.imgFace);
    key(Qt::Key_Return);
    EXPECT_TRUE(f.Timer2.Enabled.get());
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(f.imgFace.widget(), &held);
    EXPECT_TRUE(f.Timer2.Enabled.get());
    key(Qt::Key_Space);
    EXPECT_FALSE(f.Timer2.Enabled.get());

    focus(f.cmdFlasher);
    click(f.imgFace);
    click(f.lblLink);
    EXPECT_EQ(f.window()->focusWidget(), f.cmdFlasher.widget());

    focus(f.lblClose);
    key(Qt::Key_Space);
    EXPECT_FALSE(f.picLinkText.Visible);
    EXPECT_EQ(f.window()->focusWidget(), f.lblLink.widget());
}

// Focus is drawn the style's way, on the speed bar (which the style draws alike with and
// without it) and on the pictures.
TEST_F(KeyboardTest, FocusShowsOnTheSpeedBarAndThePictures) {
    for (const forms::Control* control : {static_cast<const forms::Control*>(&f.hsbSpeed),
                                          static_cast<const forms::Control*>(&f.imgFace)}) {
        focus(f.cmdFlasher);
        const QImage plain = control->widget()->grab().toImage();
        while (!control->widget()->hasFocus()) key(Qt::Key_Tab);
        EXPECT_NE(control->widget()->grab().toImage(), plain) << control->Name().toStdString();
    }
}

}  // namespace
}  // namespace testing_support
