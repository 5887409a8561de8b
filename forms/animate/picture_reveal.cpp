#include "forms/animate/frmAnimate.h"

namespace kinemora {

// The question mark: a move over it reveals one crest, a press the other, and a move over the
// window's own surface puts the question back (and turns the menu bars back to plain).

void frmAnimate::imgGreatest_MouseMove(Integer, Integer, Single, Single) {
    imgGreatest.Picture = imgGreatestAnswer.Picture;
    lblGreatest(1).Visible = true;
    lblGreatest(0).Visible = false;
    lblGreatest(2).Visible = false;
}

void frmAnimate::imgGreatest_MouseDown(Integer, Integer, Single, Single) {
    imgGreatest.Picture = imgTarnley.Picture;
    lblGreatest(2).Visible = true;
    for (int i = 0; i <= 1; ++i) lblGreatest(i).Visible = false;
}

void frmAnimate::Form_MouseMove(Integer, Integer, Single, Single) {
    imgGreatest.Picture = imgGreatestQuestion.Picture;
    for (int i = 1; i <= 2; ++i) lblGreatest(i).Visible = false;
    lblGreatest(0).Visible = true;
    ClearMenuHighlight();
}

}  // namespace kinemora
