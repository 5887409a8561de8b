// The trail How It Works leaves on the program's window: a mark where the ball stood after each
// tick, across its turn at the wall and, stepped back, the ticks still to come; with the trail
// off or the window hidden, the main window shows what it showed before How It Works opened.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>

#include "effects/program_fixture.h"
#include "platform/how_it_works/how_it_works.h"
#include "platform/how_it_works/panes/trail_layer.h"
#include "platform/values/twips.h"

namespace {

using namespace forms;
using effects_testing::StartedProgram;
using kinemora::frmAnimate;

class TrailTest : public StartedProgram {
  protected:
    HowItWorks& open() { return openHowItWorks(); }
    QCheckBox* trailBox(HowItWorks& window) const {
        for (auto* box : window.findChildren<QCheckBox*>())
            if (box->accessibleName() == QLatin1String("Trail")) return box;
        return nullptr;
    }
    QPushButton* button(HowItWorks& window, const char* text) const {
        for (auto* b : window.findChildren<QPushButton*>())
            if (b->text() == QLatin1String(text)) return b;
        return nullptr;
    }
    const TrailLayer* layer() {
        return dynamic_cast<const TrailLayer*>(
            form().window()->findChild<QObject*>(QStringLiteral("How It Works trail")));
    }
    // The marks as the ball's Left in pixels, and whether each is still to come.
    std::vector<std::pair<int, bool>> marksAsLeft() {
        const QWidget* ball = form().imgBall.widget();
        const int centre = ball->geometry().center().x();
        const int left = toPixels(form().imgBall.Left.get());
        std::vector<std::pair<int, bool>> marks;
        for (const TrailLayer::Mark& mark : layer()->marks())
            marks.emplace_back(mark.centre.x() - centre + left, mark.toCome);
        return marks;
    }
    static std::vector<std::pair<int, bool>> expected(const std::vector<int>& done,
                                                      const std::vector<int>& toCome) {
        std::vector<std::pair<int, bool>> marks;
        for (int left : done) marks.emplace_back(left, false);
        for (int left : toCome) marks.emplace_back(left, true);
        return marks;
    }
};

TEST_F(TrailTest, MarksFollowTheBallAcrossItsTurnAndShowTheTicksStillToCome) {
    frmAnimate& f = start();
    HowItWorks& window = open();
    trailBox(window)->setChecked(true);
    f.hsbSpeed.Value = 10;  // 100 twips a tick: from 3,120 it passes the wall on the 32nd
    click(f.cmdDirection(0));
    std::vector<int> lefts;
    for (int i = 0; i < 36; ++i) {
        ticks(1, 10);
        lefts.push_back(toPixels(f.imgBall.Left.get()));
    }
    ASSERT_LT(*std::ranges::min_element(lefts), lefts.back());  // it turned
    window.showFrame();
    ASSERT_NE(layer(), nullptr);
    EXPECT_EQ(layer()->host(), f.imgBall.widget()->parentWidget());
    EXPECT_EQ(marksAsLeft(), expected(lefts, {}));

    button(window, "Pause")->setChecked(true);
    for (int i = 0; i < 6; ++i) button(window, "Step back")->click();
    EXPECT_EQ(toPixels(f.imgBall.Left.get()), lefts[29]);
    EXPECT_EQ(marksAsLeft(),
              expected({lefts.begin(), lefts.begin() + 30}, {lefts.begin() + 30, lefts.end()}));

    // More than 40 ticks either way: the nearest 40 of each.
    button(window, "Pause")->setChecked(false);
    for (int i = 0; i < 60; ++i) {
        ticks(1, 10);
        lefts.push_back(toPixels(f.imgBall.Left.get()));
    }
    window.showFrame();
    EXPECT_EQ(marksAsLeft(), expected({lefts.end() - 40, lefts.end()}, {}));

    trailBox(window)->setChecked(false);
    EXPECT_EQ(layer(), nullptr);
}

// The main window as it shows, but for the focus and the outline of a control shown a second.
QImage shown(QWidget* main, testing_support::Harness& harness) {
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    for (QWidget* w : main->findChildren<QWidget*>())
        if (w->accessibleName() == QLatin1String("Outline")) w->hide();
    harness.settle();
    return main->grab().toImage();
}

TEST_F(TrailTest, WithTheTrailOffOrTheWindowHiddenTheMainWindowIsAsBeforeItOpened) {
    frmAnimate& f = start();
    HowItWorks& window = open();
    f.hsbSpeed.Value = 10;  // marks far enough apart to show beside the ball
    click(f.cmdDirection(0));
    ticks(5, 10);
    button(window, "Pause")->setChecked(true);
    const QImage before = shown(f.window(), harness);
    // A tick, stepped back over: the ball stands where it stood, its next place to come.
    button(window, "Step")->click();
    window.showFrame();
    button(window, "Step back")->click();
    trailBox(window)->setChecked(true);
    ASSERT_NE(layer(), nullptr);
    EXPECT_NE(shown(f.window(), harness), before);
    trailBox(window)->setChecked(false);
    EXPECT_EQ(shown(f.window(), harness), before);
    trailBox(window)->setChecked(true);
    window.hide();
    EXPECT_EQ(layer(), nullptr);
    EXPECT_EQ(shown(f.window(), harness), before);
}

}  // namespace
