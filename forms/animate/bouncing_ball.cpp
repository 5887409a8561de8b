#include "forms/animate/frmAnimate.h"

namespace kinemora {

// A ball that moves along one axis of its box on Timer4 (10 ms) and turns back once it has
// passed either end of its track; the speed bar sets the speed while the ball is stopped.

void frmAnimate::cmdDirection_Click(Integer Index) {
    intDirection = Index;
    hsbSpeed.Enabled = false;
    Timer4.Enabled = true;
}

void frmAnimate::cmdStop_Click() {
    Timer4.Enabled = false;
    hsbSpeed.Enabled = true;
}

void frmAnimate::hsbSpeed_Change() {
    intSpeed = hsbSpeed.Value * -10;
    intStep = intSpeed;
}

void frmAnimate::Timer4_Timer() {
    auto& position = intDirection == 0 ? imgBall.Left : imgBall.Top;
    const Integer upperEnd = intDirection == 0 ? 6000 : 2400;
    const Integer newPosition = CInt(intStep + position);
    if (newPosition < 0) intStep = Abs(intSpeed);
    if (newPosition > upperEnd) intStep = intSpeed;
    position = newPosition;
}

}  // namespace kinemora
