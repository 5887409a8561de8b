#include <QAccessible>
#include <QWidget>

#include "effects/mouse_fixture.h"

namespace testing_support {
namespace {

using AccessibilityTest = MouseEffectsTest;

// Screen readers learn every control's role and its caption (or its name where it has none).
TEST_F(AccessibilityTest, ControlsTellTheirRoleAndCaption) {
    const struct {
        const forms::Control& control;
        QAccessible::Role role;
        QString name;
    } expected[] = {
        {f.Label1, QAccessible::StaticText, "< click to turn flashing on/off"},
        {f.imgGreatest, QAccessible::Graphic, "imgGreatest"},
        {f.cmdFlasher, QAccessible::Button, "Flasher"},
        {f.fraMenu, QAccessible::Grouping, "Menu"},
        {f.Picture2, QAccessible::Pane, "Picture2"},
        {f.hsbSpeed, QAccessible::ScrollBar, "hsbSpeed"},
    };
    for (const auto& e : expected) {
        QAccessibleInterface* info = QAccessible::queryAccessibleInterface(e.control.widget());
        ASSERT_NE(info, nullptr) << e.name.toStdString();
        EXPECT_EQ(info->role(), e.role) << e.name.toStdString();
        EXPECT_EQ(info->text(QAccessible::Name), e.name);
    }
    f.lblScrollText(3).Caption = "shorter";
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(f.lblScrollText(3).widget())->text(QAccessible::Name),
        "shorter");
}

}  // namespace
}  // namespace testing_support
