// One simulated hour of every timer effect at once under a seeded random stream of pointer
// input over the whole main window, with the window's invariants checked between every two
// handlers the runtime runs.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>

#include "effects/program_fixture.h"

namespace {

using namespace effects_testing;

constexpr unsigned kSeed = 20240917;
constexpr qint64 kHour = 60 * 60 * 1000;
constexpr qint64 kKeepAliveEvery = 30 * 1000;
// "Scrolling Text 3" is left alone once its run has lasted this long, so that the run ends
// long before its tick counter could overflow.
constexpr qint64 kLongestRun3 = 60 * 1000;

class SoakTest : public StartedProgram {
  protected:
    std::mt19937 random{kSeed};
    long events = 0;
    std::map<QString, long> handlersRun;
    std::string firstFault;

    int uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random); }

    // Called before every handler, when everything the previous one did is complete.
    void beforeHandler(const QString& handler) {
        ++handlersRun[handler];
        check("before " + handler.toStdString(), false);
        if (handler.endsWith(QLatin1String("Timer4_Timer"))) {
            const int axis = form().intDirection == 0 ? 0 : 1;
            tick_ = BallTick{axis, ballAt(axis), std::abs(form().intStep.value())};
        }
    }

    void act(const std::function<void()>& event) {
        event();
        check("after event " + std::to_string(++events), true);
    }

    void randomEvent() {
        const QPoint at = randomPoint();
        if (held_ != Qt::NoButton && uniform(0, 1) == 0)
            return act([&] { harness.release(form(), at, std::exchange(held_, Qt::NoButton)); });
        const int kind = held_ != Qt::NoButton ? 0 : uniform(0, 99);
        if (kind < 55) return act([&] { harness.moveTo(form(), at); });
        if (kind < 85) return act([&] { harness.click(form(), at); });
        held_ = std::array{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}[uniform(0, 2)];
        act([&] { harness.press(form(), at, held_); });
    }

    // Starts again whichever timer effect the random clicks have stopped.
    void keepEffectsRunning() {
        frmAnimate& f = form();
        if (held_ != Qt::NoButton)
            act([&] { harness.release(f, {0, 0}, std::exchange(held_, {})); });
        if (!f.Timer1.Enabled) act([&] { click(f.cmdFlasher); });
        if (!f.Timer2.Enabled) act([&] { click(f.imgFace); });
        if (!f.Timer4.Enabled) act([&] { click(f.cmdDirection(uniform(0, 1))); });
        for (int i = 0; i < 2 && !f.Timer3.Enabled; ++i) act([&] { click(f.cmdScroll(2)); });
    }

    void noteFault(const std::string& fault, const std::string& when) {
        if (fault.empty() || !firstFault.empty()) return;
        firstFault = fault + " (" + when + ", at " + std::to_string(harness.clock().now()) +
                     " ms, seed " + std::to_string(kSeed) + ")";
    }

  private:
    struct BallTick {
        int axis;  // 0 along Left, 1 along Top
        float before;
        int step;
    };

    float ballAt(int axis) { return axis == 0 ? form().imgBall.Left : form().imgBall.Top; }

    // Anywhere on the window, or on what shows of a random control; never on "Scrolling
    // Text 3" once its run has gone on too long.
    QPoint randomPoint() {
        const auto& run3 = form().cmdScroll(2);
        const QRect run3Button(Harness::pointIn(run3, {0, 0}), run3.widget()->size());
        for (;;) {
            const QPoint at = uniform(0, 3) == 0 ? anywhere() : onAControl();
            const bool leaveRun3Alone =
                run3Since_ && harness.clock().now() - *run3Since_ > kLongestRun3;
            if (!leaveRun3Alone || !run3Button.contains(at)) return at;
        }
    }
    QPoint anywhere() {
        return {uniform(0, form().window()->width() - 1),
                uniform(0, form().window()->height() - 1)};
    }
    QPoint onAControl() {
        std::vector<std::pair<const forms::Control*, QRect>> shown;
        for (const auto& control : form().controls()) {
            const QWidget* widget = control->widget();
            if (!widget || !widget->isVisibleTo(form().window())) continue;
            const QRect part = widget->visibleRegion().boundingRect();  // clipped, not covered
            if (!part.isEmpty()) shown.emplace_back(control.get(), part);
        }
        const auto& [control, part] = shown[uniform(0, int(shown.size()) - 1)];
        return Harness::pointIn(
            *control, {uniform(part.left(), part.right()), uniform(part.top(), part.bottom())});
    }

    // The speed lags behind the bar between the user's change and its Change handler, so it
    // is checked after whole events only.
    void check(const std::string& when, bool wholeEvent) {
        frmAnimate& f = form();
        if (!f.Timer3.Enabled || f.intScrollMode != 2)
            run3Since_.reset();
        else if (!run3Since_)
            run3Since_ = harness.clock().now();
        noteFault(ballFault(), when);
        noteFault(windowFault(), when);
        if (wholeEvent && f.intSpeed != f.hsbSpeed.Value.get() * -10)
            noteFault("ball speed out of step with the speed bar", when);
    }

    // A tick that starts on the track ends at most one step beyond it, and a ball beyond an
    // end heads back (a speed change while it stood out there may take it one step further).
    std::string ballFault() {
        if (!tick_) return {};
        const BallTick tick = *std::exchange(tick_, std::nullopt);
        const float end = tick.axis == 0 ? 6000 : 2400;
        const float after = ballAt(tick.axis);
        const int step = form().intStep.value();
        const auto move = " (axis " + std::to_string(tick.axis) + ": " +
                          std::to_string(tick.before) + " to " + std::to_string(after) + ")";
        if (tick.before >= 0 && tick.before <= end &&
            (after < -tick.step || after > end + tick.step))
            return "ball more than one step beyond its track" + move;
        if ((after < 0 && step <= 0) || (after > end && step >= 0))
            return "ball beyond an end and not heading back" + move;
        return {};
    }

    std::string windowFault() {
        frmAnimate& f = form();
        if (harness.runtime().hasEnded()) return "the program ended";
        for (; boxesSeen_ < harness.boxes().size(); ++boxesSeen_)
            if (harness.boxes()[boxesSeen_].title != QLatin1String("Confirm exit"))
                return "unexpected box: " + harness.boxes()[boxesSeen_].prompt.toStdString();
        if (f.lblGreatest(0).Visible + f.lblGreatest(1).Visible + f.lblGreatest(2).Visible != 1)
            return "not exactly one lblGreatest visible";
        if (!f.imgMenu(0).Visible || !f.imgMenu(1).Visible) return "a plain menu bar is hidden";
        if (f.imgMenuOver(0).Visible && f.imgMenuOver(1).Visible) return "both menu bars lit";
        // Idle: all three; prompt shown or run 3: only "Scrolling Text 3"; runs 1 and 2: none.
        const bool promptUp = !f.Timer3.Enabled && f.lblScrollText(3).Visible &&
                              !f.lblScrollText(3).Caption.get().isEmpty();
        const std::string expected =
            f.Timer3.Enabled ? (f.intScrollMode == 2 ? "nnY" : "nnn") : (promptUp ? "nnY" : "YYY");
        std::string enabled;
        for (int i = 0; i <= 2; ++i) enabled += f.cmdScroll(i).Enabled ? 'Y' : 'n';
        if (enabled != expected)
            return "scrolling buttons enabled " + enabled + ", expected " + expected;
        const forms::Colour flasher = f.cmdFlasher.BackColor;
        if (flasher != forms::vbBlue && flasher != forms::vbWhite)
            return "flasher neither blue nor white";
        if (f.intStep != f.intSpeed && f.intStep != -f.intSpeed) return "intStep is not +-intSpeed";
        return {};
    }

    Qt::MouseButton held_ = Qt::NoButton;
    std::optional<BallTick> tick_;
    std::optional<qint64> run3Since_;
    size_t boxesSeen_ = 0;
};

TEST_F(SoakTest, AnHourOfEveryTimerEffectUnderRandomPointerInputKeepsTheWindowConsistent) {
    std::printf("soak: seed %u\n", kSeed);
    const auto realStart = std::chrono::steady_clock::now();
    start();
    harness.answerBoxesWith(7);  // No to every exit question
    auto handlerWatch =
        std::make_unique<forms::HandlerStarts>([this](const QString& h) { beforeHandler(h); });
    // A popup of Qt's own (a context menu) would wait for a user: close it and report it.
    QTimer popupWatch;
    popupWatch.callOnTimeout([this] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            noteFault("a popup opened", "event " + std::to_string(events + 1));
            popup->close();
        }
    });
    popupWatch.start(0);

    for (qint64 keepAlive = 0; harness.clock().now() < kHour && firstFault.empty();) {
        if (harness.clock().now() >= keepAlive) {
            keepEffectsRunning();
            keepAlive += kKeepAliveEvery;
        }
        randomEvent();
        harness.advance(uniform(0, 500));
    }
    handlerWatch.reset();

    EXPECT_EQ(firstFault, "");
    const std::chrono::duration<double> real = std::chrono::steady_clock::now() - realStart;
    std::printf(
        "soak: %ld events; ticks: Timer1 %ld, Timer2 %ld, Timer3 %ld, Timer4 %ld; "
        "%zu exit questions answered No; %.1f s real\n",
        events, handlersRun["frmAnimate.Timer1_Timer"], handlersRun["frmAnimate.Timer2_Timer"],
        handlersRun["frmAnimate.Timer3_Timer"], handlersRun["frmAnimate.Timer4_Timer"],
        harness.boxes().size(), real.count());
}

}  // namespace
