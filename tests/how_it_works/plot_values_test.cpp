// The Watch's plots, built from what the program recorded as it ran: a number as the value
// held from change to change, True as a band, a colour as stretches of it, a picture and a text
// as the places they changed.

#include <gtest/gtest.h>

#include <QAbstractProxyModel>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <set>

#include "effects/program_fixture.h"
#include "platform/files/picture.h"
#include "platform/how_it_works/how_it_works.h"
#include "platform/how_it_works/panes/plot_column.h"
#include "platform/how_it_works/panes/plot_painter.h"
#include "platform/how_it_works/panes/time_strip.h"
#include "platform/how_it_works/panes/value_plot.h"
#include "platform/values/colour.h"

namespace {

using forms::ValuePlot;
using Kind = ValuePlot::Kind;

class PlotTest : public effects_testing::StartedProgram {
  protected:
    // Every effect with a value of each kind runs 1.2 s; the flashing button is turned off
    // after the first second.
    void SetUp() override {
        kinemora::frmAnimate& f = start();
        harness.runtime().showHelp();
        harness.settle();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowTitle() == QLatin1String("How It Works")) window_ = w;
        ASSERT_NE(window_, nullptr);
        click(f.cmdDirection(0));
        click(f.cmdScroll(1));
        click(f.cmdFlasher);
        click(f.imgFace);
        ticks(100, 10);
        click(f.cmdFlasher);
        ticks(20, 10);
        static_cast<forms::HowItWorks*>(window_)->showFrame();
        for (auto* view : window_->findChildren<QTreeView*>())
            if (view->accessibleName() == QLatin1String("Watch")) watch_ = view;
        ASSERT_NE(watch_, nullptr);
        plots_ = dynamic_cast<forms::PlotColumn*>(
            static_cast<QAbstractProxyModel*>(watch_->model())->sourceModel());
        ASSERT_NE(plots_, nullptr);
    }
    int row(const char* name) const {
        for (int r = 0; r < plots_->rowCount(); ++r)
            if (plots_->index(r, 0).data().toString() == QLatin1String(name)) return r;
        ADD_FAILURE() << "no Watch entry " << name;
        return 0;
    }
    ValuePlot plot(const char* name, int width) const { return plots_->plotOf(row(name), width); }
    QString words(const char* name) const {
        return plots_->index(row(name), plots_->plotColumn())
            .data(Qt::AccessibleTextRole)
            .toString();
    }

    QWidget* window_ = nullptr;
    QTreeView* watch_ = nullptr;
    forms::PlotColumn* plots_ = nullptr;
};

// A counter a tick apart is a staircase: each step from the value held to the next; a moving
// position crowded into a few columns keeps each column's lowest and highest.
TEST_F(PlotTest, ANumberHoldsItsValueUntilItChanges) {
    const ValuePlot tick = plot("intTick", 1000);
    ASSERT_EQ(tick.kind, Kind::Number);
    ASSERT_GE(tick.changes, 10);
    ASSERT_EQ(tick.columns.size(), static_cast<std::size_t>(tick.changes));
    double held = tick.held;
    for (const ValuePlot::Column& step : tick.columns) {
        EXPECT_EQ(step.low, held);
        EXPECT_EQ(step.high, held + 1);
        EXPECT_EQ(step.last, held + 1);
        held = step.last;
    }
    EXPECT_EQ(
        words("intTick"),
        QStringLiteral("from %1 to %2, %3 changes").arg(tick.low).arg(tick.high).arg(tick.changes));

    const ValuePlot ball = plot("imgBall.Left", 20);
    ASSERT_EQ(ball.kind, Kind::Number);
    EXPECT_GT(ball.changes, 100);
    EXPECT_LE(ball.columns.size(), 20u);
    EXPECT_TRUE(std::ranges::all_of(ball.columns, [](const ValuePlot::Column& c) {
        return c.high > c.low;  // each column holds several of the ball's moves
    }));
    double low = ball.held, high = ball.held;
    for (const ValuePlot::Column& column : ball.columns)
        low = std::min(low, column.low), high = std::max(high, column.high);
    EXPECT_EQ(low, ball.low);
    EXPECT_EQ(high, ball.high);
}

// True for the second the flashing button's timer ran: one band; its colour as stretches,
// each another than the one before.
TEST_F(PlotTest, TrueIsABandAndAColourAStretchOfIt) {
    const ValuePlot on = plot("Timer1.Enabled", 1000);
    ASSERT_EQ(on.kind, Kind::Truth);
    EXPECT_EQ(on.changes, 2);
    ASSERT_EQ(on.stretches.size(), 1u);
    EXPECT_NEAR(on.stretches[0].to - on.stretches[0].from, 1000 * 1000 / 1200, 30);
    EXPECT_TRUE(words("Timer1.Enabled").startsWith(QLatin1String("True for 8")));

    const ValuePlot face = plot("cmdFlasher.BackColor", 1000);
    ASSERT_EQ(face.kind, Kind::Colour);
    EXPECT_GE(face.changes, 4);
    ASSERT_EQ(face.stretches.size(), static_cast<std::size_t>(face.changes) + 1);
    std::set<std::uint32_t> colours;
    colours.insert(face.stretches[0].colour);
    for (std::size_t i = 1; i < face.stretches.size(); ++i) {
        colours.insert(face.stretches[i].colour);
        EXPECT_NE(face.stretches[i].colour, face.stretches[i - 1].colour);
        EXPECT_EQ(face.stretches[i].from, face.stretches[i - 1].to);
    }
    EXPECT_TRUE(colours.contains(forms::vbBlue) && colours.contains(forms::vbWhite));
    EXPECT_EQ(face.stretches.back().to, 1000);
}

// A picture is a thumbnail where it changed, left out where it would cover the one before; a
// text a mark at each change.
TEST_F(PlotTest, PicturesAndTextsAreMarkedWhereTheyChanged) {
    const ValuePlot face = plot("imgFace.Picture", 1000);
    ASSERT_EQ(face.kind, Kind::Picture);
    ASSERT_GE(face.changes, 10);
    EXPECT_EQ(face.marks.size(), static_cast<std::size_t>(face.changes));
    for (const ValuePlot::Mark& mark : face.marks) EXPECT_NE(mark.picture, nullptr);
    const ValuePlot crowded = plot("imgFace.Picture", 100);
    EXPECT_LT(crowded.marks.size(), face.marks.size());
    for (std::size_t i = 1; i < crowded.marks.size(); ++i)
        EXPECT_GE(crowded.marks[i].x - crowded.marks[i - 1].x, forms::kPlotThumbnailGap);

    const ValuePlot text = plot("lblScrollText(1).Caption", 1000);
    ASSERT_EQ(text.kind, Kind::Text);
    EXPECT_GE(text.changes, 10);
    EXPECT_EQ(text.marks.size(), static_cast<std::size_t>(text.changes));
}

// The plots show the strip's span: zoomed in, fewer of the ball's changes; shown anew, not
// the plot built before.
TEST_F(PlotTest, ThePlotsFollowTheStripsZoom) {
    const int whole = plot("imgBall.Left", 1000).changes;
    auto* strip = window_->findChild<forms::TimeStrip*>(QStringLiteral("Timeline"));
    for (int i = 0; i < 3; ++i) QTest::keyClick(strip, Qt::Key_Plus);
    const int zoomed = plot("imgBall.Left", 1000).changes;
    EXPECT_GT(zoomed, 0);
    EXPECT_LT(zoomed, whole / 4);
}

// A click on a plot pauses at the moment under it: the last of the ball's ticks by then.
TEST_F(PlotTest, AClickOnAPlotGoesToTheMomentUnderIt) {
    const QAbstractItemModel* shown = watch_->model();
    int entry = 0;
    while (entry < shown->rowCount() &&
           shown->index(entry, 0).data().toString() != QLatin1String("imgBall.Left"))
        ++entry;
    watch_->scrollTo(shown->index(entry, 0));
    watch_->horizontalScrollBar()->setValue(
        watch_->header()->sectionPosition(plots_->plotColumn()));
    const QRect cell = watch_->visualRect(shown->index(entry, plots_->plotColumn()));
    ASSERT_TRUE(watch_->viewport()->rect().contains(cell.center()));
    const QRect area = forms::plotArea(cell);
    const qint64 time = plots_->timeSpan()->timeAt(cell.center().x() - area.left(), area.width());
    QTest::mouseClick(watch_->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(harness.runtime().clock().held());
    const QString place =
        window_->findChild<forms::TimeStrip*>(QStringLiteral("Timeline"))->accessibleDescription();
    const double seconds = place.section(QLatin1String(", "), 1).chopped(2).toDouble();
    EXPECT_LE(seconds * 1000, time + 0.5) << place.toStdString();
    EXPECT_GT(seconds * 1000, time - 10.5) << place.toStdString();
}

}  // namespace
