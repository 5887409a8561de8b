// Ten minutes of every timer effect, as How It Works keeps them: going straight to a moment of
// that history shows the program as it was when the moment was lived.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSlider>
#include <vector>

#include "forms/animate/frmAnimate.h"
#include "walk/program.h"

namespace {

using testing_support::Harness;

struct Lived {
    int runs;
    walk::Snapshot values;
};

void startEveryTimerEffect(walk::Program& program) {
    kinemora::frmAnimate& f = program.main();
    for (const forms::Control* c : {static_cast<const forms::Control*>(&f.cmdFlasher),
                                    static_cast<const forms::Control*>(&f.imgFace),
                                    static_cast<const forms::Control*>(&f.cmdDirection(0)),
                                    static_cast<const forms::Control*>(&f.cmdScroll(2))})
        program.harness().click(f, Harness::centreOf(*c));
    f.hsbSpeed.Value = 10;
}

// A moment lived at the end of each minute, with the program as it was then.
std::vector<Lived> liveTenMinutes(walk::Program& program) {
    std::vector<Lived> lived;
    for (int minute = 0; minute < 10; ++minute) {
        for (int tenth = 0; tenth < 600; ++tenth) program.harness().advance(100);
        program.button("Pause")->click();  // the timeline reads the runs while time is held
        lived.push_back({program.timeline()->maximum(), program.snapshot()});
        program.button("Pause")->click();
    }
    return lived;
}

TEST(LongHistory, AJumpAnywhereInTenMinutesShowsTheMomentAsItWasLived) {
    walk::Program program;
    program.openWindow();
    startEveryTimerEffect(program);
    const std::vector<Lived> lived = liveTenMinutes(program);
    ASSERT_GT(lived.back().runs, 60000);  // every timer effect ran all along
    program.button("Pause")->click();
    // Back and forth across the history, far and near.
    for (const std::size_t moment : {0u, 9u, 4u, 5u, 1u, 8u, 2u, 9u}) {
        program.timeline()->setValue(lived[moment].runs);
        program.frame();
        EXPECT_EQ(program.snapshot(), lived[moment].values) << "minute " << moment + 1;
    }
}

}  // namespace
