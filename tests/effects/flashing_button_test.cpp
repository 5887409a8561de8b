// The flasher's face through clicks on the button and Timer1's ticks.

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "effects/program_fixture.h"

namespace {

using namespace effects_testing;

class FlashingButtonTest : public StartedProgram {
  protected:
    forms::Colour colour() { return form().cmdFlasher.BackColor; }
    // The colour the button's face shows on screen, left of its caption.
    QColor shownColour() {
        harness.settle();
        QWidget* button = form().cmdFlasher.widget();
        return button->grab().toImage().pixelColor(8, button->height() / 2);
    }
};

TEST_F(FlashingButtonTest, FlipsWhiteThenBlueEveryIntervalAfterOneClick) {
    start();
    click(form().cmdFlasher);
    harness.advance(100);
    click(form().cmdFlasher);  // the second click comes before the first tick
    ticks(5, 200);
    EXPECT_FALSE(form().Timer1.Enabled);
    EXPECT_EQ(colour(), forms::vbBlue);
    EXPECT_EQ(shownColour(), QColor(Qt::blue));

    click(form().cmdFlasher);
    harness.advance(199);
    EXPECT_EQ(colour(), forms::vbBlue);
    harness.advance(1);
    EXPECT_EQ(colour(), forms::vbWhite);
    EXPECT_EQ(shownColour(), QColor(Qt::white));
    harness.advance(200);
    EXPECT_EQ(colour(), forms::vbBlue);
    harness.advance(200);
    EXPECT_EQ(colour(), forms::vbWhite);

    click(form().cmdFlasher);  // stops while white, and stays white
    ticks(5, 200);
    EXPECT_EQ(colour(), forms::vbWhite);
    click(form().cmdFlasher);
    harness.advance(200);
    EXPECT_EQ(colour(), forms::vbBlue);
}

// Without code.txt start-up stops before it paints the button blue: the first tick turns the
// design colour blue, and the flashing goes on from there.
TEST_F(FlashingButtonTest, AFaceNeitherBlueNorWhiteTurnsBlueAtTheFirstTick) {
    dir.remove("code.txt");
    start();
    EXPECT_EQ(colour(), forms::vbButtonFace);
    click(form().cmdFlasher);
    harness.advance(200);
    EXPECT_EQ(colour(), forms::vbBlue);
    harness.advance(200);
    EXPECT_EQ(colour(), forms::vbWhite);
}

}  // namespace
