// The roll-over menu driven by pointer moves and clicks through the main window.

#include <QWidget>
#include <QWindow>

#include "effects/mouse_fixture.h"
#include "forms/code/frmCode.h"

namespace testing_support {
namespace {

using kinemora::frmCode;

class RolloverMenuTest : public MouseEffectsTest {
  protected:
    // "idle", "0" or "1": which item is lit; "both" if the menu broke apart.
    std::string menu() const {
        EXPECT_TRUE(f.imgMenu(0).Visible && f.imgMenu(1).Visible) << "plain bars stay shown";
        const bool lit0 = f.imgMenuOver(0).Visible, lit1 = f.imgMenuOver(1).Visible;
        return lit0 && lit1 ? "both" : lit0 ? "0" : lit1 ? "1" : "idle";
    }
    void clickItem(int item) { click(f.imgMenu(item)); }
};

TEST_F(RolloverMenuTest, BarsLightUnderThePointerAndSettleOnSurfaces) {
    EXPECT_EQ(menu(), "idle");
    moveOnto(f.imgMenu(0));
    EXPECT_EQ(menu(), "0");
    moveTo(Harness::pointIn(f.imgMenu(0), {150, 20}));  // within the lit bar, which covers it
    EXPECT_EQ(menu(), "0");
    moveOnto(f.imgMenu(1));  // straight down, no move reported over the frame between
    EXPECT_EQ(menu(), "1");
    moveTo(frameSurface());
    EXPECT_EQ(menu(), "idle");
    moveOnto(f.imgMenu(1));
    moveTo(windowSurface());
    EXPECT_EQ(menu(), "idle");

    // Leaving fast onto other controls reports nothing to the frame or the window.
    moveOnto(f.imgMenu(0));
    moveOnto(f.cmdScroll(2));
    EXPECT_EQ(menu(), "0");
    moveOnto(f.Label4);
    EXPECT_EQ(menu(), "0");
    moveOnto(f.imgMenu(1));
    EXPECT_EQ(menu(), "1");
}

TEST_F(RolloverMenuTest, ExitAsksTwoLinesAndNoKeepsTheProgramWithTheItemLit) {
    harness.answerBoxesWith(forms::vbNo);
    clickItem(1);
    ASSERT_EQ(harness.boxes().size(), 1u);
    const ShownBox& box = harness.boxes()[0];
    EXPECT_EQ(box.prompt, "Are you sure you want \nto exit the application?");
    EXPECT_EQ(std::pair(box.buttons, box.title), std::pair(36, QString("Confirm exit")));
    EXPECT_FALSE(harness.runtime().hasEnded());
    EXPECT_EQ(menu(), "1");
}

TEST_F(RolloverMenuTest, YesEndsTheProgramAndNoTimerTicksAgain) {
    click(f.cmdFlasher);
    harness.advance(200);
    ASSERT_EQ(f.cmdFlasher.BackColor.get(), forms::vbWhite);  // the flasher's timer runs

    harness.answerBoxesWith(forms::vbYes);
    clickItem(1);
    EXPECT_EQ(harness.boxes().size(), 1u);
    EXPECT_TRUE(harness.runtime().hasEnded());
    EXPECT_FALSE(f.window()->isVisible());
    EXPECT_FALSE(harness.runtime().form<frmCode>().window()->isVisible());
    harness.advance(1000);
    EXPECT_EQ(f.cmdFlasher.BackColor.get(), forms::vbWhite);
}

TEST_F(RolloverMenuTest, FirstItemShowsTheOneViewerAgainAfterItsCloseBoxHidIt) {
    frmCode* loaded = &harness.runtime().form<frmCode>();
    for (int i = 0; i < 3; ++i) clickItem(0);
    EXPECT_EQ(&harness.runtime().form<frmCode>(), loaded);
    EXPECT_TRUE(loaded->isShown());
    const QString text = loaded->txtCode.Text;
    EXPECT_FALSE(text.isEmpty());
    EXPECT_EQ(menu(), "0");

    loaded->window()->windowHandle()->close();  // the title bar's close box only hides it
    harness.settle();
    ASSERT_TRUE(harness.runtime().hasForm<frmCode>());
    EXPECT_FALSE(loaded->isShown());
    EXPECT_FALSE(harness.runtime().hasEnded());

    clickItem(0);
    EXPECT_EQ(&harness.runtime().form<frmCode>(), loaded);
    EXPECT_TRUE(loaded->isShown());
    EXPECT_EQ(loaded->txtCode.Text.get(), text);  // the file is read only at start-up
}

// Every move re-sets all four bars; values already in place must not repaint anything.
TEST_F(RolloverMenuTest, BurstsOfMovesRepaintNothingOnceSettled) {
    const auto burst = [this](QPoint at) {
        moveTo(at);
        const quint64 before = harness.runtime().repaints();
        for (int i = 0; i < 1000; ++i) moveTo(at + QPoint(i % 2, 0));
        return harness.runtime().repaints() - before;
    };
    EXPECT_EQ(burst(windowSurface()), 0u);
    EXPECT_EQ(burst(frameSurface()), 0u);

    const quint64 beforeLighting = harness.runtime().repaints();
    moveOnto(f.imgMenu(0));
    EXPECT_GT(harness.runtime().repaints(), beforeLighting);  // a real change does repaint
    EXPECT_EQ(burst(Harness::pointIn(f.imgMenuOver(0), {60, 10})), 0u);
    EXPECT_EQ(menu(), "0");
}

}  // namespace
}  // namespace testing_support
