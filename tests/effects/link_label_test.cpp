// The "link" label's hand pointer and the note panel it opens, through the main window.

#include <QCursor>
#include <QWidget>

#include "effects/mouse_fixture.h"

namespace testing_support {
namespace {

class LinkLabelTest : public MouseEffectsTest {
  protected:
    // The label shows the hand: the hidden store's own picture object, as a bitmap cursor
    // with its hot spot on the finger tip.
    void expectHand(const forms::Label& label) const {
        SCOPED_TRACE(label.Name().toStdString());
        EXPECT_EQ(label.MousePointer.get(), forms::vbCustom);
        EXPECT_EQ(label.MouseIcon.get().get(), f.imgCursor.Picture.get().get());
        const QCursor cursor = label.widget()->cursor();
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.hotSpot(), QPoint(12, 1));
    }
    static void expectDefaultPointer(const forms::Label& label) {
        EXPECT_EQ(label.MousePointer.get(), forms::vbDefault);
        EXPECT_EQ(label.MouseIcon.get(), nullptr);
        EXPECT_FALSE(label.widget()->testAttribute(Qt::WA_SetCursor));
    }
};

TEST_F(LinkLabelTest, HandShowsFromTheFirstMoveAndSurvivesClosingThePanel) {
    expectDefaultPointer(f.lblLink);
    moveOnto(f.lblLink);
    expectHand(f.lblLink);

    click(f.lblLink);
    ASSERT_TRUE(f.picLinkText.Visible);
    expectDefaultPointer(f.lblClose);
    moveOnto(f.lblClose);
    expectHand(f.lblClose);

    click(f.lblClose);
    EXPECT_FALSE(f.picLinkText.Visible);
    click(f.lblLink);
    EXPECT_TRUE(f.picLinkText.Visible);
    expectHand(f.lblClose);
    expectHand(f.lblLink);
    EXPECT_FALSE(f.imgCursor.Visible);
}

TEST_F(LinkLabelTest, OnlyTheTwoLabelsOpenAndCloseThePanel) {
    const QPoint sentenceBelowLink = Harness::pointIn(f.Label4, {20, 60});
    harness.click(f, sentenceBelowLink);
    EXPECT_FALSE(f.picLinkText.Visible);

    click(f.lblLink);
    ASSERT_TRUE(f.picLinkText.Visible);
    click(f.lblLink);  // already open: stays open
    EXPECT_TRUE(f.picLinkText.Visible);
    harness.click(f, Harness::pointIn(f.Label5, {20, 20}));
    harness.click(f, sentenceBelowLink);
    EXPECT_TRUE(f.picLinkText.Visible);

    click(f.lblClose);
    EXPECT_FALSE(f.picLinkText.Visible);
}

}  // namespace
}  // namespace testing_support
