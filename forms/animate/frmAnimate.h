#pragma once

#include "forms/animate/animate_module.h"

namespace kinemora {

// The main window: seven effects made of ordinary controls and four timers.
class frmAnimate final : public Form, public AnimateModule {
  public:
    frmAnimate();

    ControlArray<CommandButton>& cmdScroll = controlArray<CommandButton>("cmdScroll");
    Frame& fraMenu = control<Frame>("fraMenu");
    ControlArray<Image>& imgMenuOver = controlArray<Image>("imgMenuOver");
    ControlArray<Image>& imgMenu = controlArray<Image>("imgMenu");
    PictureBox& picLinkText = control<PictureBox>("picLinkText");
    Label& lblClose = control<Label>("lblClose");
    Label& Label5 = control<Label>("Label5");
    CommandButton& cmdStop = control<CommandButton>("cmdStop");
    HScrollBar& hsbSpeed = control<HScrollBar>("hsbSpeed");
    Timer& Timer4 = control<Timer>("Timer4");
    ControlArray<CommandButton>& cmdDirection = controlArray<CommandButton>("cmdDirection");
    PictureBox& Picture2 = control<PictureBox>("Picture2");
    Image& imgBall = control<Image>("imgBall");
    Timer& Timer3 = control<Timer>("Timer3");
    PictureBox& Picture1 = control<PictureBox>("Picture1");
    ControlArray<Label>& lblScrollText = controlArray<Label>("lblScrollText");
    Timer& Timer2 = control<Timer>("Timer2");
    Timer& Timer1 = control<Timer>("Timer1");
    CommandButton& cmdFlasher = control<CommandButton>("cmdFlasher");
    ControlArray<Label>& lblGreatest = controlArray<Label>("lblGreatest");
    Image& imgCursor = control<Image>("imgCursor");
    Label& lblLink = control<Label>("lblLink");
    Label& Label4 = control<Label>("Label4");
    Label& Label3 = control<Label>("Label3");
    Shape& Shape1 = control<Shape>("Shape1");
    Image& imgGreatestAnswer = control<Image>("imgGreatestAnswer");
    Image& imgGreatest = control<Image>("imgGreatest");
    Label& Label2 = control<Label>("Label2");
    Image& imgFace = control<Image>("imgFace");
    Label& Label1 = control<Label>("Label1");
    Image& imgGreatestQuestion = control<Image>("imgGreatestQuestion");
    Image& imgTarnley = control<Image>("imgTarnley");

  private:
    // Start-up and shutdown (startup.cpp)
    void Form_Load();
    void Form_Unload(Integer& Cancel);
    void LoadProjectCode();

    // Scrolling text (scrolling_text.cpp)
    void cmdScroll_Click(Integer Index);
    void Timer3_Timer();
    void FinishScroll(Variable<Integer>& intTick);

    // Bouncing ball (bouncing_ball.cpp)
    void cmdDirection_Click(Integer Index);
    void cmdStop_Click();
    void hsbSpeed_Change();
    void Timer4_Timer();

    // Flashing button (flashing_button.cpp)
    void cmdFlasher_Click();
    void Timer1_Timer();

    // Face animation (face_animation.cpp)
    void imgFace_Click();
    void Timer2_Timer();

    // Roll-over menu (rollover_menu.cpp)
    void ClearMenuHighlight();
    void imgMenu_MouseMove(Integer Index, Integer Button, Integer Shift, Single X, Single Y);
    void fraMenu_MouseMove(Integer Button, Integer Shift, Single X, Single Y);
    void imgMenuOver_Click(Integer Index);

    // Link label and note panel (link_label.cpp)
    void lblLink_MouseMove(Integer Button, Integer Shift, Single X, Single Y);
    void lblClose_MouseMove(Integer Button, Integer Shift, Single X, Single Y);
    void lblLink_Click();
    void lblClose_Click();

    // Mouse-over picture reveal (picture_reveal.cpp)
    void imgGreatest_MouseMove(Integer Button, Integer Shift, Single X, Single Y);
    void imgGreatest_MouseDown(Integer Button, Integer Shift, Single X, Single Y);
    void Form_MouseMove(Integer Button, Integer Shift, Single X, Single Y);
};

// The main window's description: its window and every control, in stacking order.
extern const FormDesc kAnimateForm;

}  // namespace kinemora
