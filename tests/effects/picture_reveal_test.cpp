// The question-mark picture revealed by pointer moves and presses through the main window.

#include "effects/mouse_fixture.h"

namespace testing_support {
namespace {

class PictureRevealTest : public MouseEffectsTest {
  protected:
    // The state the picture and its captions show, or what is wrong with them.
    std::string shown() const {
        int visible = 0, caption = -1;
        for (int i = 0; i <= 2; ++i)
            if (f.lblGreatest(i).Visible) ++visible, caption = i;
        if (visible != 1) return "captions broken";
        const forms::Picture& picture = f.imgGreatest.Picture;
        const char* names[] = {"question", "answer", "club"};
        const forms::Image* stores[] = {&f.imgGreatestQuestion, &f.imgGreatestAnswer,
                                        &f.imgTarnley};
        if (picture != stores[caption]->Picture.get()) return "picture does not match caption";
        return names[caption];
    }
    QPoint picture(int dx = 0) const { return Harness::centreOf(f.imgGreatest) + QPoint(dx, 0); }
    // Beside the picture, inside the outline around it, which takes no pointer.
    static QPoint besideThePicture() { return {8, 160}; }
};

TEST_F(PictureRevealTest, MovesAndPressesWalkThroughTheThreeStates) {
    // At start the picture is a copy of the question mark, not the store's own object.
    EXPECT_EQ(f.imgGreatest.Picture.get()->image, f.imgGreatestQuestion.Picture.get()->image);
    EXPECT_TRUE(f.lblGreatest(0).Visible && !f.lblGreatest(1).Visible && !f.lblGreatest(2).Visible);

    moveTo(picture());
    EXPECT_EQ(shown(), "answer");
    moveOnto(f.lblGreatest(1));  // captions take the pointer but reset nothing
    EXPECT_EQ(shown(), "answer");

    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button);
        moveTo(picture());
        harness.press(f, picture(), button);
        EXPECT_EQ(shown(), "club");
        EXPECT_EQ(f.imgGreatest.Width.get(), 870.0f);
        harness.release(f, picture(), button);
        EXPECT_EQ(shown(), "club");  // no handler for the release or a click
        moveOnto(f.lblGreatest(2));
        EXPECT_EQ(shown(), "club");
        moveTo(picture(-3));
        EXPECT_EQ(shown(), "answer");
        EXPECT_EQ(f.imgGreatest.Width.get(), 855.0f);
    }

    harness.press(f, picture(), Qt::RightButton);
    moveTo(besideThePicture());  // with the button held the picture keeps the pointer
    EXPECT_EQ(shown(), "answer");
    harness.release(f, besideThePicture(), Qt::RightButton);
    moveTo(besideThePicture() + QPoint(0, 1));
    EXPECT_EQ(shown(), "question");
    EXPECT_EQ(f.imgGreatest.Width.get(), 855.0f);
}

TEST_F(PictureRevealTest, LeavingOverOtherControlsKeepsTheRevealedState) {
    moveTo(picture());
    moveOnto(f.imgFace);
    moveOnto(f.cmdScroll(0));
    EXPECT_EQ(shown(), "answer");
    moveTo(windowSurface());
    EXPECT_EQ(shown(), "question");
}

// The stores are hidden and decode their pictures only when first needed; a picture given to
// one before that stays, and shows.
TEST_F(PictureRevealTest, AStoreGivenAPictureBeforeItsOwnIsReadKeepsIt) {
    f.imgTarnley.Picture = f.imgGreatestAnswer.Picture;
    f.imgTarnley.Visible = true;
    harness.settle();
    EXPECT_EQ(f.imgTarnley.Picture.get(), f.imgGreatestAnswer.Picture.get());
    EXPECT_EQ(f.imgTarnley.Width.get(), 855.0f);
}

}  // namespace
}  // namespace testing_support
