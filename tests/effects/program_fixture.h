#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <stdexcept>

#include "app/project.h"
#include "forms/animate/frmAnimate.h"
#include "platform/how_it_works/how_it_works.h"
#include "support/harness.h"

namespace effects_testing {

using kinemora::frmAnimate;
using testing_support::Harness;

// The program on a virtual clock, started in a program directory of its own that a test may
// change before it calls start().
class StartedProgram : public ::testing::Test {
  protected:
    frmAnimate& start() {
        harness.runtime().setAppPath(dir.path());
        form_ =
            &static_cast<frmAnimate&>(forms::startProject(harness.runtime(), kinemora::project()));
        return *form_;
    }
    frmAnimate& form() { return *form_; }
    // How It Works, opened as F1 opens it.
    forms::HowItWorks& openHowItWorks() {
        harness.runtime().showHelp();
        harness.settle();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* window = dynamic_cast<forms::HowItWorks*>(w)) return *window;
        throw std::runtime_error("How It Works did not open");
    }

    // A left click at the control's centre, hit-tested through the window like a user's.
    void click(const forms::Control& control) { harness.click(*form_, Harness::centreOf(control)); }
    // Lets `count` intervals of `ms` pass, one clock step each.
    void ticks(int count, int ms) {
        for (int i = 0; i < count; ++i) harness.advance(ms);
    }

    testing_support::ProgramDir dir;
    Harness harness;

  private:
    frmAnimate* form_ = nullptr;
};

}  // namespace effects_testing
