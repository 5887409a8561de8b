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
