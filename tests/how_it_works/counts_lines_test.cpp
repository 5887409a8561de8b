// Beside each line of the handler shown, how many runs it made changes in up to the moment
// shown; a count chosen goes to the line's latest run, Alt+Up and Alt+Down to its runs before
// and after.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTreeView>

#include "effects/program_fixture.h"
#include "platform/how_it_works/how_it_works.h"
#include "platform/how_it_works/panes/numbered_code.h"

namespace {

using namespace forms;
using effects_testing::StartedProgram;
using kinemora::frmAnimate;

class CountsTest : public StartedProgram {
  protected:
    HowItWorks& open() { return openHowItWorks(); }
    NumberedCode& code(HowItWorks& window) const {
        for (auto* c : window.findChildren<NumberedCode*>())
            if (c->accessibleName() == QLatin1String("Code")) return *c;
        throw std::runtime_error("no Code pane");
    }
    template <typename T>
    static T* findChild(HowItWorks& window, const char* name) {
        for (auto* w : window.findChildren<T*>())
            if (w->accessibleName() == QLatin1String(name)) return w;
        return nullptr;
    }
    QPushButton* button(HowItWorks& window, const char* text) const {
        for (auto* b : window.findChildren<QPushButton*>())
            if (b->text() == QLatin1String(text)) return b;
        return nullptr;
    }
    // The line (from 1) of the shown code that reads `text`.
    static int lineOf(const NumberedCode& code, const char* text) {
        for (QTextBlock b = code.document()->begin(); b.isValid(); b = b.next())
            if (b.text().trimmed() == QLatin1String(text)) return b.blockNumber() + 1;
        return 0;
    }
    static void putCursorOn(NumberedCode& code, int line) {
        code.setTextCursor(QTextCursor(code.document()->findBlockByNumber(line - 1)));
    }
};

TEST_F(CountsTest, CountsFollowTheMomentAndAChosenCountGoesToTheLinesRuns) {
    frmAnimate& f = start();
    HowItWorks& window = open();
    click(f.cmdDirection(0));  // run 0
    std::vector<float> lefts;  // after each tick: runs 1 to 20
    for (int i = 0; i < 20; ++i) {
        ticks(1, 10);
        lefts.push_back(f.imgBall.Left.get());
    }
    click(f.cmdStop);     // run 21
    click(f.cmdFlasher);  // run 22
    window.showFrame();
    // The ball's handler, chosen in the Events table, not following.
    for (auto* box : window.findChildren<QCheckBox*>())
        if (box->text() == QLatin1String("Follow")) box->setChecked(false);
    auto* events = findChild<QTreeView>(window, "Events");
    events->setCurrentIndex(events->model()->index(1, 0));
    NumberedCode& shown = code(window);
    const int moves = lineOf(shown, "position = newPosition;");
    const int turns = lineOf(shown, "if (newPosition < 0) intStep = Abs(intSpeed);");
    ASSERT_GT(moves, 0);
    ASSERT_GT(turns, 0);
    EXPECT_EQ(shown.counts().runsOf(moves), 20);
    EXPECT_EQ(shown.counts().runsOf(turns), 0);  // it never turned
    putCursorOn(shown, moves);
    EXPECT_TRUE(shown.accessibleDescription().startsWith(
        QStringLiteral("line %1, made changes in 20 runs").arg(moves)));

    // Return on the line pauses and goes to its latest run: the clicks after it are undone.
    QTest::keyClick(&shown, Qt::Key_Return);
    EXPECT_TRUE(button(window, "Pause")->isChecked());
    EXPECT_TRUE(f.Timer4.Enabled);
    EXPECT_FALSE(f.Timer1.Enabled);
    EXPECT_EQ(f.imgBall.Left.get(), lefts[19]);
    EXPECT_EQ(shown.textCursor().blockNumber() + 1, moves);
    QTest::keyClick(&shown, Qt::Key_Up, Qt::AltModifier);
    QTest::keyClick(&shown, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(f.imgBall.Left.get(), lefts[17]);
    EXPECT_EQ(shown.counts().runsOf(moves), 18);
    QTest::keyClick(&shown, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(f.imgBall.Left.get(), lefts[18]);
    EXPECT_EQ(shown.counts().runsOf(moves), 19);
    for (int i = 0; i < 5; ++i) button(window, "Step back")->click();
    EXPECT_EQ(shown.counts().runsOf(moves), 14);

    // Forward past the clicks again; a click on the count, after its line's text, goes back
    // to its latest run.
    for (int i = 0; i < 8; ++i) button(window, "Step")->click();
    ASSERT_TRUE(f.Timer1.Enabled);
    events->setCurrentIndex(events->model()->index(1, 0));
    QTextCursor end(shown.document()->findBlockByNumber(moves - 1));
    end.movePosition(QTextCursor::EndOfBlock);
    const QRect caret = shown.cursorRect(end);
    const int space = shown.fontMetrics().horizontalAdvance(QLatin1Char(' '));
    QTest::mouseClick(shown.viewport(), Qt::LeftButton, {},
                      QPoint(caret.right() + 3 * space, caret.center().y()));
    EXPECT_FALSE(f.Timer1.Enabled);
    EXPECT_TRUE(f.Timer4.Enabled);
    EXPECT_EQ(f.imgBall.Left.get(), lefts[19]);
}

}  // namespace
