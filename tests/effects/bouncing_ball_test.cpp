// The ball's track through "Horizontal", "Vertical", "Stop" and the speed bar, tick by tick on
// Timer4.

#include <QWidget>
#include <array>
#include <initializer_list>
#include <vector>

#include "effects/program_fixture.h"

namespace {

using namespace effects_testing;

// A ball's path: stretches of {first, last, step} twips, each from first to last inclusive.
std::vector<int> path(std::initializer_list<std::array<int, 3>> stretches) {
    std::vector<int> positions;
    for (const auto& [first, last, step] : stretches)
        for (int p = first; step > 0 ? p <= last : p >= last; p += step) positions.push_back(p);
    return positions;
}

class BouncingBallTest : public StartedProgram {
  protected:
    enum Axis { kAlongLeft, kAlongTop };

    // The ball's position on one axis after each of the next `count` ticks.
    std::vector<int> track(Axis axis, size_t count) {
        std::vector<int> positions;
        for (size_t i = 0; i < count; ++i) {
            harness.advance(10);
            const auto& ball = form().imgBall;
            positions.push_back(static_cast<int>(axis == kAlongLeft ? ball.Left : ball.Top));
        }
        return positions;
    }
    // A click on the speed bar's right arrow.
    void speedUp() {
        const QWidget* bar = form().hsbSpeed.widget();
        harness.click(form(),
                      Harness::pointIn(form().hsbSpeed, {bar->width() - 4, bar->height() / 2}));
    }
    void horizontal() { click(form().cmdDirection(0)); }
    void vertical() { click(form().cmdDirection(1)); }
};

TEST_F(BouncingBallTest, PassesEachEndByOneStepBeforeTurningAtValue1) {
    start();
    horizontal();
    EXPECT_FALSE(form().hsbSpeed.Enabled);
    const auto expected =
        path({{3110, 0, -10}, {-10, -10, 1}, {0, 6000, 10}, {6010, 6010, 1}, {6000, 5990, -10}});
    EXPECT_EQ(track(kAlongLeft, expected.size()), expected);
    EXPECT_EQ(form().imgBall.Top.get(), 1200.0f);

    vertical();  // moving left, so it goes on upwards
    const auto upAndDown =
        path({{1190, 0, -10}, {-10, -10, 1}, {0, 2400, 10}, {2410, 2410, 1}, {2400, 2400, 1}});
    EXPECT_EQ(track(kAlongTop, upAndDown.size()), upAndDown);
    EXPECT_EQ(form().imgBall.Left.get(), 5990.0f);
}

TEST_F(BouncingBallTest, Value10SetBeforeTheFirstStartMovesTenTimesAsFar) {
    start();
    form().hsbSpeed.Value = 10;
    horizontal();
    const auto expected =
        path({{3020, 20, -100}, {-80, -80, 1}, {20, 5920, 100}, {6020, 6020, 1}, {5920, 5920, 1}});
    EXPECT_EQ(track(kAlongLeft, expected.size()), expected);
}

TEST_F(BouncingBallTest, AxisChangeKeepsTheSenseAndANewSpeedPointsItBack) {
    start();
    horizontal();
    EXPECT_EQ(track(kAlongLeft, 313).back(), -10);
    vertical();  // turned at the left end, so it goes on downwards
    EXPECT_EQ(track(kAlongTop, 2), (std::vector<int>{1210, 1220}));
    EXPECT_EQ(form().imgBall.Left.get(), -10.0f);
    speedUp();  // the bar is locked while the ball moves
    EXPECT_EQ(form().hsbSpeed.Value.get(), 1);

    click(form().cmdStop);
    EXPECT_TRUE(form().hsbSpeed.Enabled);
    speedUp();
    EXPECT_EQ(form().hsbSpeed.Value.get(), 2);
    horizontal();  // from -10 further out first, then back
    EXPECT_EQ(track(kAlongLeft, 3), (std::vector<int>{-30, -10, 10}));

    click(form().cmdStop);
    speedUp();
    vertical();  // was moving right, yet goes up at the new speed
    EXPECT_EQ(track(kAlongTop, 2), (std::vector<int>{1190, 1160}));
}

TEST_F(BouncingBallTest, WithoutCodeTextTheBallStandsStillUntilTheSpeedChanges) {
    dir.remove("code.txt");  // start-up stops before it sets the speed and the step
    start();
    horizontal();
    EXPECT_TRUE(form().Timer4.Enabled);
    EXPECT_EQ(track(kAlongLeft, 50), (std::vector<int>(50, 3120)));

    click(form().cmdStop);
    speedUp();
    horizontal();
    EXPECT_EQ(track(kAlongLeft, 2), (std::vector<int>{3100, 3080}));
}

}  // namespace
