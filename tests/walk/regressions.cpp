// Faults learners and the walk found, each as the short sequence of actions that showed it, run
// with every check the walk makes.

#include <gtest/gtest.h>

#include "walk/walk.h"

namespace {

using namespace walk;
using namespace walk::act;

void expectNoFault(const std::vector<Action>& actions) {
    const Failure failure = replay(actions);
    EXPECT_FALSE(failure.failed()) << qPrintable(report(failure, actions));
}

// The ball sent right and let run until it has turned, so that intStep is in the Watch.
std::vector<Action> ballTurned() {
    std::vector<Action> actions = {f1(), click("cmdDirection(1)")};
    for (int i = 0; i < 20; ++i) actions.push_back(wait(300));
    return actions;
}

std::vector<Action> operator+(std::vector<Action> first, const std::vector<Action>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

TEST(CrashPaths, AValueTriedWhereItsPauseBoxIsChecked) {
    expectNoFault(ballTurned() + std::vector{checkEntry("intStep", true), type("intStep", "-200"),
                                             wait(300), stepBack(), step()});
    expectNoFault(ballTurned() + std::vector{checkEntry("intStep", true), togglePause(),
                                             type("intStep", "-200"), stepBack(), step(),
                                             togglePause(), wait(300)});
}

TEST(CrashPaths, ARowByYouChosenWithFollowOff) {
    expectNoFault({f1(), click("cmdFlasher"), wait(500), type("Timer1.Enabled", "False"), follow(),
                   chooseRowMadeBy("by you")});
}

TEST(CrashPaths, SteppingBackOverAValueTriedAndForwardAgain) {
    expectNoFault({f1(), click("cmdFlasher"), wait(500), type("Timer1.Enabled", "False"),
                   click("cmdFlasher"), togglePause(), stepBack(), stepBack(), stepBack(),
                   stepBack(), step(), step(), step()});
}

TEST(CrashPaths, SteppingBackOverTheSpeedBarMovedWithTheBallStopped) {
    expectNoFault({f1(), click("cmdStop"), speedKey(Qt::Key_Right), togglePause(), stepBack()});
}

TEST(CrashPaths, ARowByTheUserChosenWithFollowOff) {
    expectNoFault({f1(), speedKey(Qt::Key_Right), follow(), chooseRowMadeBy("by the user")});
}

TEST(CrashPaths, SteppingBackOverManyTicksAndAValueTried) {
    expectNoFault(ballTurned() + std::vector{type("intStep", "-200"), wait(300), wait(300),
                                             wait(300), togglePause(), timeline(500), timeline(0),
                                             step(), roundTrip(300)});
}

}  // namespace

namespace {

// Shown again, a moment shows who had changed each value by then.
TEST(WalkFound, WhoChangedAValueTravelsWithTheMoment) {
    expectNoFault({click("cmdScroll(1)"), wait(100), f1(), togglePause(), step(), stepBack()});
}

// Shown again, How It Works shows the values as they are, not as they were when it was hidden.
TEST(WalkFound, TheWatchShowsTheValuesOfNowWhenShownAgain) {
    expectNoFault({click("cmdScroll(0)"), f1(), wait(300), f1(), wait(300), f1()});
}

// Following, a run no handler made (a value tried) shows who made it, not the handler before.
TEST(WalkFound, FollowingShowsWhoMadeARunNoHandlerMade) {
    expectNoFault({f1(), speedKey(Qt::Key_Right), type("intSpeed", "52")});
}

// Runs no handler made, stepped back over or shown again in other ways: each crashed.
TEST(WalkFound, SteppingBackOverTheSpeedBarMovedWhilePaused) {
    expectNoFault(
        {speedKey(Qt::Key_PageDown), f1(), togglePause(), speedKey(Qt::Key_Home), stepBack()});
}

TEST(WalkFound, AValueTriedOverACheckedEntryAfterAStep) {
    expectNoFault({click("cmdDirection(1)"), f1(), togglePause(), step(),
                   checkEntry("imgBall.Top", true), type("imgBall.Top", "3430")});
}

TEST(WalkFound, ARoundTripOverTheSpeedBarMoved) {
    expectNoFault({f1(), speedKey(Qt::Key_End), togglePause(), roundTrip(39)});
}

TEST(WalkFound, TheSpeedBarMovedWithItsValueChecked) {
    expectNoFault({f1(), speedKey(Qt::Key_End), checkEntry("hsbSpeed.Value", true),
                   speedKey(Qt::Key_PageUp)});
}

TEST(WalkFound, TheTimelineMovedOverTheCodeViewerOpenedAndWindowShownAgain) {
    expectNoFault(
        {f1(), menuItem(0), f1(), f1(), togglePause(), pointerTo("imgMenu(1)"), timeline(554)});
}

TEST(WalkFound, AValueTriedOverACheckedEntryOfTheLink) {
    expectNoFault({f1(), click("lblLink"), checkEntry("picLinkText.Visible", true),
                   type("picLinkText.Visible", "False")});
}

TEST(WalkFound, AValueTriedOverACheckedIntStepAfterTheSpeedBarMoved) {
    expectNoFault(
        {f1(), speedKey(Qt::Key_End), checkEntry("intStep", true), type("intStep", "-272")});
}

// Shown again, the Watch says who changed each value: never nothing.
TEST(WalkFound, WhoChangedAValueIsSaidWhenShownAgain) {
    expectNoFault({click("cmdScroll(1)"), f1(), togglePause(), step(), f1(), wait(300), f1()});
}

TEST(WalkFound, TheRowChosenAfterARoundTripIsTheOneShown) {
    expectNoFault({f1(), togglePause(), speedKey(Qt::Key_PageDown), stepBack(), roundTrip(12)});
}

// Stepping back over a click gives back the value tried before it.
TEST(WalkFound, SteppingBackOverAClickKeepsTheValueTriedBeforeIt) {
    expectNoFault({click("cmdScroll(2)"), f1(), click("imgGreatest"),
                   type("imgGreatest.Width", "-301"), togglePause(), click("cmdScroll(0)"),
                   stepBack()});
}

TEST(WalkFound, FollowTurnedOffAfterAChangeByTheUserChosen) {
    expectNoFault({f1(), speedKey(Qt::Key_PageDown), chooseChange(1), follow()});
}

TEST(WalkFound, ARowChosenAfterAValueTriedWhilePaused) {
    expectNoFault({click("cmdFlasher"),
                   wait(300),
                   wait(5),
                   click("cmdDirection(1)"),
                   wait(10),
                   wait(10),
                   wait(300),
                   wait(30),
                   wait(300),
                   f1(),
                   click("lblLink"),
                   chooseRow(343),
                   wait(5),
                   pointerTo("lblLink"),
                   wait(30),
                   follow(),
                   wait(10),
                   click("imgMenu(0)"),
                   togglePause(),
                   click("lblClose"),
                   type("imgMenuOver(0).Visible", "False"),
                   chooseRow(189)});
}

TEST(WalkFound, AValueTriedOverACheckedEntryOfTheMenu) {
    expectNoFault({f1(), pointerTo("imgMenu(1)"), checkEntry("imgMenuOver(1).Visible", true),
                   type("imgMenuOver(1).Visible", "False")});
}

// A caption tried on a label that sizes itself: back and forth, its width comes back too.
TEST(WalkFound, ARoundTripOverACaptionTriedGivesBackTheLabelsWidth) {
    expectNoFault({click("cmdScroll(2)"), f1(), click("cmdScroll(2)"), wait(100), f1(), f1(),
                   togglePause(), type("lblScrollText(3).Caption", "Hello"), stepBack(),
                   roundTrip(2)});
}

// Each value tried is a run of its own: one tried later, with time run between, does not change
// the moment of the one before.
TEST(WalkFound, TwoValuesTriedApartAreTwoMoments) {
    expectNoFault({f1(), pointerTo("imgGreatest"), f1(), f1(), togglePause(), menuItem(0),
                   pointerTo(""), stepBack(), type("frmCode.Visible", "False"), togglePause(),
                   type("lblGreatest(0).Visible", "True"), togglePause()});
}

// A label hidden by a value tried settles its size later, when it is read; the Watch follows.
TEST(WalkFound, AHiddenLabelsSizeSettledLaterShowsInTheWatch) {
    expectNoFault({f1(), click("cmdScroll(2)"), click("cmdScroll(2)"), f1(), f1(), togglePause(),
                   type("lblScrollText(3).Visible", "False"), togglePause(), togglePause(),
                   togglePause(), wait(300)});
}

// An empty caption tried on a hidden label that sizes itself, stepped back over and round again.
TEST(WalkFound, AnEmptyCaptionTriedOnAHiddenLabelStepsBackWithItsSize) {
    expectNoFault({click("cmdScroll(2)"), click("cmdScroll(2)"), f1(), wait(300), f1(), f1(),
                   checkEntry("lblScrollText(3).Caption", true),
                   type("lblScrollText(3).Caption", ""), stepBack(), roundTrip(30)});
}

}  // namespace
