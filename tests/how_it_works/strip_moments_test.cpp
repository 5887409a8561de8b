// The time strip: where a time falls across it at every zoom, and a click on it going to the
// moment under the pointer.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "effects/program_fixture.h"
#include "platform/how_it_works/how_it_works.h"
#include "platform/how_it_works/panes/time_span.h"
#include "platform/how_it_works/panes/time_strip.h"
#include "platform/how_it_works/records/event_log.h"
#include "platform/how_it_works/records/history.h"

namespace {

using forms::TimeSpan;
using forms::TimeStrip;

TEST(TimeSpan, MapsTimesToPlacesAndBackFromTheWholeHistoryToSingleRuns) {
    TimeSpan span;
    span.show(1000, 61000, 30000, false);  // a minute, whole: 100 ms a pixel over 600
    EXPECT_TRUE(span.whole());
    EXPECT_DOUBLE_EQ(span.xOf(1000, 600), 0);
    EXPECT_DOUBLE_EQ(span.xOf(31000, 600), 300);
    EXPECT_DOUBLE_EQ(span.xOf(61000, 600), 600);
    for (const int x : {0, 1, 299, 600}) EXPECT_EQ(span.xOf(span.timeAt(x, 600), 600), x);

    // Zoomed, the time under the pointer stays where it was.
    span.zoom(0.5, 16000);
    EXPECT_FALSE(span.whole());
    EXPECT_EQ(span.length(), 30000);
    EXPECT_DOUBLE_EQ(span.xOf(16000, 600), 150);

    // As far in as it goes, a 10 ms tick stands 120 pixels from the next.
    for (int i = 0; i < 20; ++i) span.zoom(0.5, 30000);
    EXPECT_EQ(span.length(), TimeSpan::kShortestMs);
    EXPECT_LE(span.start(), 30000);
    EXPECT_GE(span.end(), 30000);
    EXPECT_DOUBLE_EQ(span.xOf(30010, 600) - span.xOf(30000, 600), 120);
    for (int x = 0; x <= 600; x += 7) EXPECT_NEAR(span.xOf(span.timeAt(x, 600), 600), x, 6.0);

    // Held, it moves to keep the cursor in view; running, it rolls with now at its end.
    span.show(1000, 61000, 45000, false);
    EXPECT_LE(span.start(), 45000);
    EXPECT_GE(span.end(), 45000);
    EXPECT_EQ(span.length(), TimeSpan::kShortestMs);
    // Moved along, held, it stays away from the cursor until the cursor moves.
    span.pan(-10);
    EXPECT_LT(span.end(), 45000);
    span.show(1000, 61000, 45000, false);
    EXPECT_LT(span.end(), 45000);
    span.show(1000, 61000, 45010, false);
    EXPECT_LE(span.start(), 45010);
    EXPECT_GE(span.end(), 45010);
    span.show(1000, 62000, 62000, true);
    EXPECT_EQ(span.end(), 62000);
    EXPECT_EQ(span.length(), TimeSpan::kShortestMs);

    // Zoomed out past the history, it is the whole of it again, and grows with it.
    span.zoom(1e6, 62000);
    EXPECT_TRUE(span.whole());
    span.show(1000, 63000, 63000, true);
    EXPECT_EQ(span.start(), 1000);
    EXPECT_EQ(span.end(), 63000);
}

// The strip finds each runner's runs by an index the history keeps as runs come, are dropped
// unchanged, are stepped back over and dropped, and fall off the front: it must name the same
// run a walk over every run would.
TEST(History, FindsEachRunnersNextRunAsRunsComeAndGo) {
    forms::EventLog log;
    forms::History history(log);
    const QString form = QStringLiteral("frmAnimate");
    const QString tick = QStringLiteral("Timer4_Timer"), click = QStringLiteral("cmdGo_Click");
    qint64 time = 0;
    const auto run = [&](const QString& handler, bool leavesARow = true) {
        history.begin(time, {form + QLatin1Char('.') + handler, -1, 0, handler == tick});
        if (leavesARow) log.begin({form, handler, -1, time}, 0);
        history.end();
        time += 10;
    };
    const auto expectSameAsAWalk = [&history](const char* when) {
        for (std::size_t runner = 0; runner < history.runners().size(); ++runner) {
            forms::History::RunsOf walker = history.runsOf(runner);
            for (std::size_t from = 0; from <= history.runs(); from += 7 + history.runs() / 64) {
                std::size_t walked = from;
                for (const qint64 at : {qint64{-1}, history.timeOf(from) + 15}) {
                    walked = from;
                    const auto& who = history.runners()[runner];
                    while (walked < history.runs() &&
                           (history.runnerOf(walked).handler != who.handler ||
                            history.timeOf(walked) < at))
                        ++walked;
                    ASSERT_EQ(history.nextRunOf(runner, from, at), walked)
                        << when << ": runner " << runner << " from " << from << " at " << at;
                }
                walker.skipTo(from, history.timeOf(from) + 15);  // as the strip walks it
                ASSERT_EQ(walker.run(), walked) << when << ": walked, from " << from;
            }
        }
    };
    for (int i = 0; i < 60; ++i) run(i % 5 == 0 ? click : tick, i % 11 != 3);
    expectSameAsAWalk("recorded");
    for (int i = 0; i < 9; ++i) history.stepBack();
    run(click);  // the runs stepped back over are dropped
    expectSameAsAWalk("after a step back");
    while (history.runs() < forms::History::kMostRuns) run(tick);
    for (int i = 0; i < 30; ++i) run(i % 4 == 0 ? click : tick);
    expectSameAsAWalk("the oldest gone");
}

class StripTest : public effects_testing::StartedProgram {
  protected:
    QWidget* open() {
        harness.runtime().showHelp();
        harness.settle();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowTitle() == QLatin1String("How It Works")) window_ = w;
        return window_;
    }
    void frame() { static_cast<forms::HowItWorks*>(window_)->showFrame(); }
    TimeStrip* strip() const { return window_->findChild<TimeStrip*>(QStringLiteral("Timeline")); }
    bool paused() const {
        for (auto* b : window_->findChildren<QPushButton*>())
            if (b->text() == QLatin1String("Pause")) return b->isChecked();
        return false;
    }
    // The time of the run shown, as the strip reads it out: "run 12 of 130, 0.350 s".
    qint64 shownTime() const {
        static const QRegularExpression time(QStringLiteral(R"(, (\d+\.\d+) s$)"));
        const auto found = time.match(strip()->accessibleDescription());
        return found.hasMatch() ? std::llround(found.captured(1).toDouble() * 1000) : -1;
    }
    void clickAt(int x) {
        QTest::mouseClick(strip(), Qt::LeftButton, {}, QPoint(x, strip()->height() / 3));
    }

    QWidget* window_ = nullptr;
};

// A click while time runs pauses it at the moment under the pointer; zoomed in to single runs,
// a click just before a tick's mark still takes it, a few milliseconds before does not.
TEST_F(StripTest, AClickGoesToTheMomentUnderThePointer) {
    kinemora::frmAnimate& f = start();
    ASSERT_NE(open(), nullptr);
    click(f.cmdDirection(0));  // the ball, a tick every 10 ms
    ticks(100, 10);
    frame();
    TimeStrip* timeline = strip();
    const forms::TimeSpan& span = timeline->span();
    const int middle = timeline->xOf(span.start() + span.length() / 2);
    const qint64 underPointer = timeline->timeAt(middle);
    const qint64 pixel = span.length() / timeline->width() + 1;
    ASSERT_FALSE(paused());
    clickAt(middle);
    EXPECT_TRUE(paused());
    EXPECT_TRUE(harness.runtime().clock().held());
    EXPECT_GT(timeline->value(), 0);
    EXPECT_LT(timeline->value(), timeline->maximum());
    EXPECT_LE(shownTime(), underPointer + 2 * pixel);
    EXPECT_GT(shownTime(), underPointer - 10 - 2 * pixel);

    for (int i = 0; i < 12; ++i) QTest::keyClick(timeline, Qt::Key_Plus);
    EXPECT_EQ(span.length(), forms::TimeSpan::kShortestMs);
    const int moment = timeline->value();
    const qint64 shown = shownTime();
    ASSERT_GT(timeline->xOf(shown) - timeline->xOf(shown - 10), 40);
    clickAt(timeline->xOf(shown) - 1);
    EXPECT_EQ(timeline->value(), moment);
    clickAt(timeline->xOf(shown - 3));
    EXPECT_EQ(timeline->value(), moment - 1);
    EXPECT_EQ(shownTime(), shown - 10);
    for (int i = 0; i < 12; ++i) QTest::keyClick(timeline, Qt::Key_Minus);
    EXPECT_TRUE(span.whole());
    clickAt(timeline->width() - 1);  // at the end: every run done
    EXPECT_EQ(timeline->value(), timeline->maximum());
}

}  // namespace
