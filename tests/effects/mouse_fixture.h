#pragma once

#include <gtest/gtest.h>

#include <QPoint>

#include "app/project.h"
#include "forms/animate/frmAnimate.h"
#include "support/harness.h"

namespace testing_support {

// The program started on the offscreen platform, with the pointer driven through its window.
class MouseEffectsTest : public ::testing::Test {
  protected:
    void moveTo(QPoint at) { harness.moveTo(f, at); }
    void moveOnto(const forms::Control& control) { moveTo(Harness::centreOf(control)); }
    void click(const forms::Control& control) { harness.click(f, Harness::centreOf(control)); }

    // The window's own surface: the strip between the note panel and the menu frame.
    static QPoint windowSurface() { return {460, 300}; }
    // The frame's own surface, in its margin left of the bars.
    QPoint frameSurface() const { return Harness::pointIn(f.fraMenu, {4, 40}); }

    ProgramDir dir;
    Harness harness;
    kinemora::frmAnimate& f = start();

  private:
    kinemora::frmAnimate& start() {
        harness.runtime().setAppPath(dir.path());
        auto& form = forms::startProject(harness.runtime(), kinemora::project());
        // Qt drops a move to the point it saw last, which an earlier test may have left the
        // pointer at: start the pointer on a label that has no handlers.
        harness.moveTo(form, Harness::centreOf(form.control<forms::Label>("Label3")));
        return static_cast<kinemora::frmAnimate&>(form);
    }
};

}  // namespace testing_support
