// The "How It Works" window: each handler as it runs with what it changed, repeats counted in
// one row, the code of the handler, and time held, stepped and slowed through the runtime's
// clock.

#include "platform/how_it_works/how_it_works.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QTextBlock>
#include <QTreeView>
#include <map>
#include <set>
#include <tuple>
#include <utility>

#include "effects/program_fixture.h"
#include "forms/code/frmCode.h"
#include "platform/how_it_works/panes/numbered_code.h"
#include "platform/how_it_works/panes/placement.h"
#include "platform/how_it_works/panes/remembered_scroll_bars.h"
#include "platform/how_it_works/panes/time_bar.h"
#include "platform/how_it_works/records/code_index.h"
#include "platform/how_it_works/records/event_log.h"
#include "platform/how_it_works/records/watch_list.h"
#include "platform/properties/watch.h"
#include "platform/runtime/boxes.h"

namespace {

using namespace forms;
using effects_testing::StartedProgram;
using kinemora::frmAnimate;

class HowItWorksTest : public StartedProgram {
  protected:
    QWidget* window() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowTitle() == QLatin1String("How It Works")) return w;
        return nullptr;
    }
    QWidget* open() {
        harness.runtime().showHelp();
        harness.settle();
        return window();
    }
    template <typename T>
    T* part(const char* name) const {
        for (T* w : window()->findChildren<T*>())
            if (w->accessibleName() == QLatin1String(name)) return w;
        return nullptr;
    }
    QPushButton* button(const char* text) const {
        for (QPushButton* b : window()->findChildren<QPushButton*>())
            if (b->text() == QLatin1String(text)) return b;
        return nullptr;
    }
    // Each change names its line: " (line 30)". The tests of the rows leave it out.
    static const QRegularExpression& lineNote() {
        static const QRegularExpression note(QStringLiteral(R"( \(line \d+\))"));
        return note;
    }
    // The Events table as lines: "event | handler | changes", without the lines.
    std::string eventText() const { return events().join(QLatin1Char('\n')).toStdString(); }
    QStringList events() const {
        const QAbstractItemModel* m = part<QTreeView>("Events")->model();
        QStringList rows;
        for (int r = 0; r < m->rowCount(); ++r)
            rows << QStringList{m->index(r, 1).data().toString(), m->index(r, 2).data().toString(),
                                m->index(r, 3).data().toString().remove(lineNote())}
                        .join(QStringLiteral(" | "));
        return rows;
    }
    QString code() const { return part<QPlainTextEdit>("Code")->toPlainText(); }
    // What ran shows now, not at the window's next frame.
    void frame() { static_cast<HowItWorks*>(window())->showFrame(); }
};

TEST_F(HowItWorksTest, EachHandlerShowsWhatItChangedInOrderAndRepeatsShareARow) {
    frmAnimate& f = start();
    ASSERT_NE(open(), nullptr);
    click(f.cmdScroll(1));
    ticks(3, 100);
    click(f.cmdFlasher);
    ticks(1, 100);
    frame();
    EXPECT_EQ(
        eventText(),
        (QStringList{"Click | frmAnimate.cmdScroll_Click(1) | intScrollMode: 0 \u2192 1; "
                     "cmdScroll(0).Enabled: True \u2192 False; cmdScroll(1).Enabled: True \u2192 "
                     "False; cmdScroll(2).Enabled: True \u2192 False; Timer3.Enabled: False \u2192 "
                     "True",
                     "Timer | frmAnimate.Timer3_Timer \u00d73 | intTick: 2 \u2192 3; "
                     "lblScrollText(1).Visible: False \u2192 True; lblScrollText(1).Caption: "
                     "\"Th\" \u2192 \"Thi\"",
                     "Click | frmAnimate.cmdFlasher_Click | Timer1.Enabled: False \u2192 True",
                     "Timer | frmAnimate.Timer3_Timer | intTick: 3 \u2192 4; "
                     "lblScrollText(1).Caption: \"Thi\" \u2192 \"This\""})
            .join(QLatin1Char('\n'))
            .toStdString());
    // Following, the code is the last handler's, marked, under its effect's heading comment.
    EXPECT_TRUE(code().contains(QLatin1String("void frmAnimate::Timer3_Timer() {")));
    auto* shown = static_cast<forms::NumberedCode*>(part<QPlainTextEdit>("Code"));
    ASSERT_GE(shown->marks().last, shown->marks().first);
    EXPECT_EQ(shown->document()->findBlockByNumber(shown->marks().first).text(),
              QLatin1String("void frmAnimate::Timer3_Timer() {"));
    // One effect chosen: its rows and what its handlers changed.
    auto* effect = part<QComboBox>("Effect");
    effect->setCurrentIndex(effect->findText(QStringLiteral("Flashing button")));
    EXPECT_EQ(events(), QStringList{"Click | frmAnimate.cmdFlasher_Click | Timer1.Enabled: False "
                                    "\u2192 True"});
    const QAbstractItemModel* watch = part<QTreeView>("Watch")->model();
    ASSERT_EQ(watch->rowCount(), 1);
    EXPECT_EQ(watch->index(0, 1).data().toString(), QLatin1String("True"));
}

// Two timers' rows collect their ticks: each keeps the time of its first, so the rows read in
// time order, and its full text (its tooltip and accessible description) gives the count, the
// latest time and every change.
TEST_F(HowItWorksTest, RowsStayInTimeOrderWithTwoTimersAndReadWholeInTheirFullText) {
    frmAnimate& f = start();
    open();
    click(f.cmdFlasher);  // Timer1, 200 ms
    ticks(1, 50);
    click(f.imgFace);  // Timer2, 100 ms
    ticks(20, 50);
    const QAbstractItemModel* m = part<QTreeView>("Events")->model();
    ASSERT_GE(m->rowCount(), 4);
    double previous = -1;
    for (int r = 0; r < m->rowCount(); ++r) {
        const double time = m->index(r, 0).data().toDouble();
        EXPECT_GE(time, previous) << "row " << r;
        previous = time;
    }
    const int last = m->rowCount() - 1;
    const QString full = m->index(last, 3).data(Qt::ToolTipRole).toString();
    EXPECT_EQ(m->index(last, 0).data(Qt::AccessibleDescriptionRole).toString(), full);
    EXPECT_TRUE(full.contains(QStringLiteral(" runs, the latest at "))) << full.toStdString();
    EXPECT_TRUE(full.endsWith(m->index(last, 3).data().toString())) << full.toStdString();
}

TEST_F(HowItWorksTest, PauseHoldsTimersStepFiresOneTickAndSlowMotionStretchesTime) {
    frmAnimate& f = start();
    open();
    click(f.cmdFlasher);  // Timer1, 200 ms
    button("Pause")->click();
    ticks(10, 100);
    EXPECT_EQ(f.cmdFlasher.BackColor.get(), vbBlue);
    EXPECT_TRUE(f.Timer1.Enabled);
    button("Step")->click();
    EXPECT_EQ(f.cmdFlasher.BackColor.get(), vbWhite);
    // Clicks still run; the face's timer, due first now, is the next and only step.
    click(f.imgFace);
    EXPECT_TRUE(f.Timer2.Enabled);
    button("Step")->click();
    EXPECT_EQ(f.imgFace.Picture.get()->name, QLatin1String("face 1.bmp"));
    EXPECT_EQ(f.cmdFlasher.BackColor.get(), vbWhite);
    click(f.imgFace);
    button("Pause")->click();
    ticks(2, 100);
    EXPECT_EQ(f.cmdFlasher.BackColor.get(), vbBlue);
    // Quarter speed: the 100 ms left to the next tick take 400 ms, and then a 200 ms timer
    // ticks every 800 ms.
    part<QComboBox>("Slow motion")->setCurrentIndex(2);
    ticks(3, 100);
    EXPECT_EQ(f.cmdFlasher.BackColor.get(), vbBlue);
    ticks(1, 100);
    EXPECT_EQ(f.cmdFlasher.BackColor.get(), vbWhite);
    ticks(7, 100);
    EXPECT_EQ(f.cmdFlasher.BackColor.get(), vbWhite);
    ticks(1, 100);
    EXPECT_EQ(f.cmdFlasher.BackColor.get(), vbBlue);
    EXPECT_EQ(f.Timer1.Interval.get(), 200);
    // Hidden, the window gives back real time.
    button("Pause")->click();
    window()->hide();
    ticks(8, 100);
    EXPECT_EQ(f.cmdFlasher.BackColor.get(), vbBlue);
}

TEST_F(HowItWorksTest, WithoutTheCodeFileTheCodePaneNamesItsPathAndErrorsShowInTheirRow) {
    dir.remove("code.txt");
    dir.remove("face 1.bmp");
    frmAnimate& f = start();
    open();
    EXPECT_TRUE(code().contains(dir.file(QStringLiteral("code.txt"))));
    click(f.imgFace);
    ticks(1, 100);
    ASSERT_EQ(events().size(), 2);
    EXPECT_TRUE(events()[1].endsWith(QLatin1String("Run-time error 53: File not found")))
        << eventText();
}

// The line of a statement in the program's code as code.txt holds it, found by its text.
int lineInCodeFile(const QString& codeTxt, const QString& path, const QString& statement) {
    QFile file(codeTxt);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const qsizetype heading = lines.indexOf(QStringLiteral("==== %1 ====").arg(path));
    for (qsizetype i = heading + 2; heading >= 0 && i < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1String("==== "))) break;
        if (lines[i].contains(statement)) return static_cast<int>(i - heading - 1);
    }
    return -1;
}

// The line each change of the last row with this handler names: "intStep" -> 30.
std::map<QString, int> linesOfChanges(const QStringList& rows, const QString& handler) {
    static const QRegularExpression change(QStringLiteral(R"(([^ ;|]+): [^;]* \(line (\d+)\))"));
    std::map<QString, int> lines;
    for (const QString& row : rows) {
        if (!row.contains(handler)) continue;
        lines.clear();
        for (const auto& m : change.globalMatch(row)) lines[m.captured(1)] = m.captured(2).toInt();
    }
    return lines;
}

// Each change names the statement that made it; what the user does on a control is named as
// theirs, before the handler it causes.
TEST_F(HowItWorksTest, EachChangeNamesTheLineOfItsStatementOrWhoMadeIt) {
    frmAnimate& f = start();
    open();
    const QString code = dir.file(QStringLiteral("code.txt"));
    const QString ball = QStringLiteral("forms/animate/bouncing_ball.cpp");
    const QString scroll = QStringLiteral("forms/animate/scrolling_text.cpp");
    auto line = [&](const QString& path, const char* statement) {
        return lineInCodeFile(code, path, QString::fromUtf8(statement));
    };
    auto rowsWithLines = [&] {
        QStringList rows;
        const QAbstractItemModel* m = part<QTreeView>("Events")->model();
        for (int r = 0; r < m->rowCount(); ++r)
            rows << m->index(r, 2).data().toString() + QLatin1String(" | ") +
                        m->index(r, 3).data().toString();
        return rows;
    };

    const QWidget* bar = f.hsbSpeed.widget();
    harness.click(
        f, testing_support::Harness::pointIn(f.hsbSpeed, {bar->width() - 4, bar->height() / 2}));
    const QStringList afterArrow = rowsWithLines();
    ASSERT_GE(afterArrow.size(), 2);
    EXPECT_TRUE(afterArrow[afterArrow.size() - 2].endsWith(
        QStringLiteral("hsbSpeed.Value: 1 \u2192 2 (by the user)")))
        << afterArrow.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(afterArrow.last().startsWith(QLatin1String("frmAnimate.hsbSpeed_Change")));

    click(f.cmdScroll(1));
    EXPECT_EQ(linesOfChanges(rowsWithLines(), QStringLiteral("cmdScroll_Click")),
              (std::map<QString, int>{
                  {"intScrollMode", line(scroll, "intScrollMode = Index;")},
                  {"cmdScroll(0).Enabled", line(scroll, "cmdScroll(0).Enabled = false;")},
                  {"cmdScroll(1).Enabled", line(scroll, "cmdScroll(1).Enabled = false;")},
                  {"cmdScroll(2).Enabled", line(scroll, "cmdScroll(2).Enabled = false;")},
                  {"Timer3.Enabled", line(scroll, "Timer3.Enabled = true;")}}));

    click(f.cmdDirection(0));
    EXPECT_EQ(linesOfChanges(rowsWithLines(), QStringLiteral("cmdDirection_Click")),
              (std::map<QString, int>{{"hsbSpeed.Enabled", line(ball, "hsbSpeed.Enabled = false;")},
                                      {"Timer4.Enabled", line(ball, "Timer4.Enabled = true;")}}));
    // The ball runs left until it turns, then right until it turns again.
    auto turnedBy = [&](const char* statement) {
        for (int i = 0; i < 2000; ++i) {
            ticks(1, 10);
            const auto lines = linesOfChanges(rowsWithLines(), QStringLiteral("Timer4_Timer"));
            if (lines.count(QStringLiteral("intStep"))) {
                EXPECT_EQ(lines.at(QStringLiteral("imgBall.Left")),
                          line(ball, "position = newPosition;"));
                return lines.at(QStringLiteral("intStep")) == line(ball, statement);
            }
        }
        return false;
    };
    EXPECT_TRUE(turnedBy("intStep = Abs(intSpeed);"));
    click(f.cmdStop);
    click(f.cmdDirection(0));
    EXPECT_TRUE(turnedBy("upperEnd) intStep = intSpeed;"));

    // A form the runtime loads anew is a row of its own, by the runtime.
    click(f.cmdStop);
    harness.runtime().unload(forms::Instance<kinemora::frmCode>());
    forms::Instance<kinemora::frmCode>().Show();
    EXPECT_EQ(events().last(), QStringLiteral("by the runtime |  | frmCode loaded"));
}

// However fast the handlers run, the panes are told of what changed a few times a second: the
// ball's 100 ticks in a second would otherwise draw the window again 100 times.
TEST_F(HowItWorksTest, TheBallsTicksRedrawTheEventsAndTheWatchAFewTimesASecond) {
    frmAnimate& f = start();
    open();
    click(f.cmdDirection(0));
    int eventUpdates = 0, watchUpdates = 0;
    QObject::connect(part<QTreeView>("Events")->model(), &QAbstractItemModel::dataChanged,
                     [&] { ++eventUpdates; });
    QObject::connect(part<QTreeView>("Watch")->model(), &QAbstractItemModel::dataChanged,
                     [&] { ++watchUpdates; });
    ticks(100, 10);
    EXPECT_GT(eventUpdates, 0);
    EXPECT_LE(eventUpdates, 30);
    EXPECT_GT(watchUpdates, 0);
    EXPECT_LE(watchUpdates, 30);
}

// Every value as it was before the first change the window saw and after the last: told by a
// watcher set before the window's, which the window tells in turn.
class FirstAndLast final : public Watcher {
  public:
    FirstAndLast() : before_(watcher()) { setWatcher(this); }
    ~FirstAndLast() override { setWatcher(before_); }
    std::map<QString, QString> first, last;

  private:
    void handlerStarted(const HandlerRun&) override {}
    void handlerFailed(const RuntimeError&) override {}
    void handlerEnded() override {}
    void changed(const Watched& what, const WatchedValue& from, const WatchedValue& to,
                 const Place&) override {
        first.try_emplace(what.text(), valueText(from));
        last[what.text()] = valueText(to);
    }
    Watcher* before_;
};

class TimeBothWaysTest : public HowItWorksTest {
  protected:
    void pause() { button("Pause")->setChecked(true); }
    int stepBackAll() {
        int steps = 0;
        while (button("Step back")->isEnabled()) button("Step back")->click(), ++steps;
        return steps;
    }
    // The Watch as the window shows it: name to value.
    std::map<QString, QString> watched() const {
        const QAbstractItemModel* m = part<QTreeView>("Watch")->model();
        std::map<QString, QString> values;
        for (int r = 0; r < m->rowCount(); ++r)
            values[m->index(r, 0).data().toString()] = m->index(r, 1).data().toString();
        return values;
    }
    QModelIndex watchEntry(const char* name) const {
        const QAbstractItemModel* m = part<QTreeView>("Watch")->model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 0).data().toString() == QLatin1String(name)) return m->index(r, 0);
        return {};
    }
    bool tryValue(const char* name, const char* typed) {
        const QModelIndex entry = watchEntry(name);
        return part<QTreeView>("Watch")->model()->setData(entry.siblingAtColumn(1),
                                                          QString::fromUtf8(typed), Qt::EditRole);
    }
};

// Each effect runs 200 runs from its start (a timer's ticks after the click that starts it, or
// the pointer going to and fro over the control), is stepped back all the way and shows every
// value and every pixel as before; stepped forward again, as after.
TEST_F(TimeBothWaysTest, EachEffectStepsBackToItsStartAndForwardToItsEnd) {
    using testing_support::Harness;
    const QPoint surface(740, 300);  // the form's own surface, beside the menu
    using Button = forms::Control& (*)(frmAnimate&);
    struct Effect {
        const char* name;
        Button clicked;  // the button that starts it and keeps the pointer's light, or none
        std::function<void(frmAnimate&)> run;
    };
    auto timer = [this](const char* name, Button button, int intervalMs) {
        return Effect{name, button, [this, button, intervalMs](frmAnimate& f) {
                          click(button(f));
                          ticks(200, intervalMs);
                      }};
    };
    auto pointer = [this, surface](const char* name, Button over) {
        return Effect{name, nullptr, [this, over, surface](frmAnimate& f) {
                          for (int i = 0; i < 100; ++i) {
                              harness.moveTo(f, Harness::centreOf(over(f)) + QPoint(i % 3, 0));
                              harness.moveTo(f, surface + QPoint(i % 3, 0));
                          }
                      }};
    };
    const std::vector<Effect> effects = {
        timer(
            "Scrolling text", [](frmAnimate& f) -> forms::Control& { return f.cmdScroll(1); }, 100),
        timer(
            "Bouncing ball", [](frmAnimate& f) -> forms::Control& { return f.cmdDirection(1); },
            10),
        timer(
            "Flashing button", [](frmAnimate& f) -> forms::Control& { return f.cmdFlasher; }, 200),
        timer(
            "Face", [](frmAnimate& f) -> forms::Control& { return f.imgFace; }, 100),
        pointer("Menu", [](frmAnimate& f) -> forms::Control& { return f.imgMenu(0); }),
        pointer("Link", [](frmAnimate& f) -> forms::Control& { return f.lblLink; }),
        pointer("Question mark", [](frmAnimate& f) -> forms::Control& { return f.imgGreatest; })};
    frmAnimate& f = start();
    // The main window as it shows, but for the button clicked: the pointer still over it lights
    // it, which no value does.
    const forms::Control* clicked = nullptr;
    const auto shown = [&] {
        if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
        for (QWidget* w : f.window()->findChildren<QWidget*>())
            if (w->accessibleName() == QLatin1String("Outline")) w->hide();  // the window's
        harness.settle();
        QImage image = f.window()->grab().toImage();
        if (clicked) {
            QPainter blank(&image);
            blank.fillRect(
                QRect(clicked->widget()->mapTo(f.window(), QPoint()), clicked->widget()->size()),
                Qt::black);
        }
        return image;
    };
    for (const Effect& effect : effects) {
        SCOPED_TRACE(effect.name);
        harness.moveTo(f, surface);
        FirstAndLast values;  // told by the window, which it must be set before
        open();
        clicked = effect.clicked ? &effect.clicked(f) : nullptr;
        const QImage before = shown();
        effect.run(f);
        const QImage after = shown();
        pause();
        EXPECT_GT(stepBackAll(), 1);
        frame();
        EXPECT_TRUE(shown() == before);
        for (const auto& [name, value] : values.first)
            EXPECT_EQ(watched()[name], value) << name.toStdString();
        auto* timeline = part<QSlider>("Timeline");
        timeline->setValue(timeline->maximum());  // all the way forward again
        frame();
        EXPECT_TRUE(shown() == after);
        for (const auto& [name, value] : values.last)
            EXPECT_EQ(watched()[name], value) << name.toStdString();
        window()->hide();
        for (Timer* t : {&f.Timer1, &f.Timer2, &f.Timer3, &f.Timer4}) t->Enabled = false;
    }
}

// Stepped back over, a handler that asked a question is written back, never run again: no box
// opens; ending Pause drops exactly the runs stepped back over from the log.
TEST_F(TimeBothWaysTest, StepsWriteValuesOnlyAndEndingPauseDropsTheRunsSteppedBackOver) {
    frmAnimate& f = start();
    open();
    pause();
    harness.moveTo(f, testing_support::Harness::centreOf(f.imgMenu(1)));
    harness.answerBoxesWith(vbNo);
    click(f.imgMenuOver(1));
    ASSERT_EQ(harness.boxes().size(), 1u);
    for (int i = 0; i < 3; ++i) click(f.cmdDirection(i % 2));
    frame();
    const int rows = part<QTreeView>("Events")->model()->rowCount();
    for (int i = 0; i < 4; ++i) button("Step back")->click();
    button("Step")->click();
    EXPECT_EQ(harness.boxes().size(), 1u);
    button("Pause")->setChecked(false);
    frame();
    EXPECT_EQ(part<QTreeView>("Events")->model()->rowCount(), rows - 3);
}

// A value marked pauses the program right after the run that changes it: the ball's turn.
TEST_F(TimeBothWaysTest, AMarkedValuePausesTheProgramWhenItChanges) {
    frmAnimate& f = start();
    open();
    click(f.cmdDirection(1));
    for (int i = 0; i < 2000 && !watchEntry("intStep").isValid(); ++i) ticks(1, 10), frame();
    const QModelIndex step = watchEntry("intStep");  // the ball has turned once
    ASSERT_TRUE(step.isValid());
    part<QTreeView>("Watch")->model()->setData(step, Qt::Checked, Qt::CheckStateRole);
    const int before = f.intStep.get().value();
    for (int i = 0; i < 2000 && !harness.runtime().clock().held(); ++i) ticks(1, 10);
    EXPECT_TRUE(harness.runtime().clock().held());
    EXPECT_EQ(f.intStep.get().value(), -before);  // paused right at the next turn
    ticks(50, 10);
    EXPECT_EQ(f.intStep.get().value(), -before);
}

// A value typed is written through the same setter and recorded as yours; one the value could
// never take is refused with a message and nothing changed.
TEST_F(TimeBothWaysTest, ATypedValueIsWrittenOrRefusedWithNothingChanged) {
    frmAnimate& f = start();
    open();
    f.hsbSpeed.Value = 5;
    click(f.cmdDirection(1));
    for (int i = 0; i < 2000 && !watchEntry("intStep").isValid(); ++i) ticks(1, 10), frame();
    const std::map<QString, QString> shown = watched();
    for (const char* typed : {"fast", "40000"}) EXPECT_FALSE(tryValue("intStep", typed));
    EXPECT_FALSE(tryValue("hsbSpeed.Value", "99"));
    EXPECT_FALSE(tryValue("Timer4.Enabled", "maybe"));
    frame();
    EXPECT_EQ(watched(), shown);
    EXPECT_TRUE(part<QLabel>("Message")->text().startsWith(QLatin1String("Timer4.Enabled stays")));
    EXPECT_TRUE(tryValue("intStep", "-200"));
    EXPECT_EQ(f.intStep.get().value(), -200);
    EXPECT_TRUE(tryValue("Timer4.Enabled", "False"));
    EXPECT_FALSE(f.Timer4.Enabled.get());
    frame();
    EXPECT_TRUE(
        events().last().contains(QStringLiteral("Timer4.Enabled: True \u2192 False (by you)")))
        << eventText();
}

// Each file under its heading, each handler from the comment above it to its closing brace
// (also the last of a file, before the next heading), with either line end.
TEST(CodeIndex, FindsFilesUnderTheirHeadingsAndHandlersUpToTheirBraces) {
    const QStringList lines{
        QStringLiteral("==== forms/animate/bouncing_ball.cpp ===="),
        QStringLiteral(""),
        QStringLiteral("// A ball that bounces"),
        QStringLiteral("// off the walls."),
        QStringLiteral(""),
        QStringLiteral("void frmAnimate::Form_Load() {"),
        QStringLiteral("}"),
        QStringLiteral("// Moves the ball."),
        QStringLiteral("void frmAnimate::Timer1_Timer() {"),
        QStringLiteral("    intStep = 1;"),
        QStringLiteral("    intStep = CInt(1 +"),
        QStringLiteral("                   2);"),
        QStringLiteral("}"),
        QStringLiteral(""),
        QStringLiteral("==== forms/code/frmCode.h ===="),
        QStringLiteral("class frmCode;"),
    };
    for (const char* lineEnd : {"\n", "\r\n"}) {
        const CodeIndex index(lines.join(QLatin1String(lineEnd)));
        ASSERT_EQ(index.files().size(), 2u) << lineEnd;
        const CodeIndex::File& ball = index.files()[0];
        EXPECT_EQ(ball.title, QLatin1String("Bouncing ball"));
        EXPECT_EQ(ball.headComment, QLatin1String("A ball that bounces off the walls."));
        EXPECT_TRUE(ball.definesHandlers);
        EXPECT_FALSE(index.files()[1].definesHandlers);
        EXPECT_EQ(ball.lines.last(), QLatin1String("}"));
        const auto load = index.find(QStringLiteral("frmAnimate"), QStringLiteral("Form_Load"));
        ASSERT_TRUE(load);
        EXPECT_EQ(std::pair(load->firstLine, load->lastLine), std::pair(3, 4));
        const auto last = index.find(QStringLiteral("frmAnimate"), QStringLiteral("Timer1_Timer"));
        ASSERT_TRUE(last);
        EXPECT_EQ(std::tuple(last->file, last->firstLine, last->lastLine), std::tuple(0, 5, 10));
        // A statement over two lines is named by its first, whichever line a compiler gives.
        EXPECT_EQ(index.statementStart(0, 10), 9);
        EXPECT_EQ(index.statementStart(0, 9), 9);
        EXPECT_EQ(index.statementStart(0, 8), 8);
        EXPECT_EQ(index.statementStart(0, 99), 99);
        EXPECT_FALSE(index.find(QStringLiteral("frmAnimate"), QStringLiteral("Timer9_Timer")));
        EXPECT_FALSE(index.find(QStringLiteral("frmMissing"), QStringLiteral("Form_Load")));
    }
}

// Beside the program's window: right where there is room, else left, else below and lower,
// else over it, always on the screen.
TEST(Placement, RightElseLeftElseBelowElseOverTheWindow) {
    const QSize wanted(640, 600);
    EXPECT_EQ(placeBeside({0, 0, 760, 400}, wanted, {0, 0, 1920, 1080}), QRect(768, 0, 640, 600));
    EXPECT_EQ(placeBeside({1200, 100, 760, 400}, wanted, {0, 0, 1960, 1080}),
              QRect(552, 100, 640, 600));
    EXPECT_EQ(placeBeside({0, 0, 760, 363}, wanted, {0, 0, 1024, 768}), QRect(0, 371, 760, 397));
    const QRect over = placeBeside({0, 0, 760, 500}, wanted, {0, 0, 800, 600});
    EXPECT_EQ(over, QRect(160, 0, 640, 600));
}

// A new name joins as a row at the next refresh; a value changed is marked until its mark
// fades, and only the rows whose value or mark changed are told.
TEST(WatchList, NewNamesJoinAndMarksFade) {
    WatchList watch;
    const char* left = "Left";
    watch.changed({QStringLiteral("imgBall"), left, {}}, Integer(10), {}, 1, 0);
    watch.changed({QString(), "intStep", {}}, Integer(-10), {}, 1, 0);
    EXPECT_EQ(watch.rowCount(), 0);
    EXPECT_TRUE(watch.refresh(0));
    ASSERT_EQ(watch.rowCount(), 2);
    EXPECT_EQ(watch.index(0, WatchList::NameColumn).data().toString(),
              QLatin1String("imgBall.Left"));
    std::vector<std::pair<int, int>> told;
    QObject::connect(&watch, &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& a, const QModelIndex& b) {
                         told.push_back({a.row(), b.row()});
                     });
    watch.changed({QStringLiteral("imgBall"), left, {}}, Integer(20), {}, 1, 500);
    EXPECT_TRUE(watch.refresh(500));
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{0, 0}}));
    EXPECT_EQ(watch.index(0, WatchList::ValueColumn).data().toString(), QLatin1String("20"));
    EXPECT_TRUE(watch.index(0, 0).data(Qt::BackgroundRole).isValid());
    told.clear();
    EXPECT_FALSE(watch.refresh(1300));  // both marks faded: one run of rows told
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_FALSE(watch.index(0, 0).data(Qt::BackgroundRole).isValid());
}

// Wherever the program's framed window lies, this frame keeps off it and on the screen if
// either side has its width or above or below has a useful height.
TEST(Placement, FramesNeverOverlapWhereTheScreenHasRoom) {
    const QRect screen(0, 24, 1920, 1056);
    const QSize wanted(1150, 900), main(770, 420);
    for (int x = screen.left(); x + main.width() <= 1920; x += 40) {
        for (int y = screen.top(); y + main.height() <= 1080; y += 30) {
            const QRect frame({x, y}, main);
            const QRect place = placeBeside(frame, wanted, screen);
            const bool sideRoom = 1920 - (x + main.width()) - 8 >= wanted.width() ||
                                  x - screen.left() - 8 >= wanted.width();
            const int across = std::max(1080 - (y + main.height()), y - screen.top()) - 8;
            SCOPED_TRACE(testing::Message() << "main window at " << x << "," << y);
            EXPECT_TRUE(screen.contains(place));
            if (sideRoom || across >= 280) {
                EXPECT_FALSE(place.intersects(frame));
            }
            if (sideRoom) {
                EXPECT_EQ(place.size(), wanted);
            }
        }
    }
}

TEST(EventLog, KeepsTheNewestRowsOnly) {
    forms::EventLog log;
    const QString form = QStringLiteral("frmMain");
    for (int i = 0; i < forms::EventLog::kMostRows + 50; ++i) {
        const QString handler = QStringLiteral("cmd%1_Click").arg(i);
        log.begin({form, handler, -1, i}, -1);
        log.end();
    }
    ASSERT_EQ(log.rowCount(), forms::EventLog::kMostRows);
    EXPECT_EQ(log.row(0).handler, QLatin1String("cmd50_Click"));
}

// The views are told of every row that changed since the last time, also of a timer's row that
// counted a run before the user's change began a row of its own.
TEST(EventLog, TellsOfEveryRowChangedSinceTheLastTime) {
    forms::EventLog log;
    const QString form = QStringLiteral("frmMain"), tick = QStringLiteral("Timer1_Timer");
    log.begin({form, tick, -1, 0}, -1, true);
    log.end();
    log.publish();
    std::set<int> told;
    QObject::connect(&log, &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& first, const QModelIndex& last) {
                         for (int row = first.row(); row <= last.row(); ++row) told.insert(row);
                     });
    log.begin({form, tick, -1, 200}, -1, true);
    log.end();
    log.change({QStringLiteral("txtName"), "Text", {}}, QString(), QStringLiteral("a"),
               {forms::Place::By::User}, 250);
    ASSERT_EQ(log.rowCount(), 2);
    EXPECT_EQ(log.row(0).count, 2);
    EXPECT_TRUE(log.publish());
    EXPECT_TRUE(told.contains(0));
}

// The code pane's scroll bars, drawn from pictures of their places, look as the style draws them
// in every state, also when a state comes back after others.
TEST(RememberedScrollBars, DrawWhatTheStyleDraws) {
    auto* remembered = new forms::RememberedScrollBars(nullptr);
    const std::unique_ptr<QStyle> owner(remembered);
    QScrollBar drawn(Qt::Vertical), asTheStyleDraws(Qt::Vertical);
    drawn.setStyle(remembered);
    const struct {
        int maximum, value;
        bool enabled;
    } states[] = {{100, 0, true},   {100, 60, true}, {400, 60, true}, {100, 100, true},
                  {100, 60, false}, {100, 0, true},  {100, 60, true}};
    for (const auto& state : states) {
        SCOPED_TRACE(testing::Message()
                     << state.maximum << " " << state.value << " " << state.enabled);
        for (QScrollBar* bar : {&drawn, &asTheStyleDraws}) {
            bar->resize(17, 300);
            bar->setRange(0, state.maximum);
            bar->setPageStep(50);
            bar->setValue(state.value);
            bar->setEnabled(state.enabled);
        }
        EXPECT_EQ(drawn.grab().toImage(), asTheStyleDraws.grab().toImage());
    }
}

// F7 and F8 step from the main window while How It Works shows and time is held, and do nothing
// while it runs; a step that cannot be taken says why under the time bar until one is taken.
TEST_F(TimeBothWaysTest, StepKeysWorkFromEveryWindowAndARefusedStepSaysWhy) {
    frmAnimate& f = start();
    open();
    const auto press = [this](QWidget* in, QKeyCombination key) {
        in->activateWindow();
        harness.settle();
        QTest::keyClick(in->windowHandle(), key.key(), key.keyboardModifiers());
        harness.settle();
    };
    for (int i = 0; i < 3; ++i) click(f.cmdDirection(i % 2));
    auto* timeline = part<QSlider>("Timeline");
    auto* status = part<QLabel>("Time status");
    EXPECT_EQ(timeline->accessibleDescription(), QStringLiteral("now, running"));
    press(f.window(), Qt::Key_F7);
    press(window(), Qt::CTRL | Qt::Key_Left);
    EXPECT_EQ(status->text(), QStringLiteral("Step back works while paused (press Pause)"));
    pause();
    EXPECT_TRUE(status->isHidden());
    const int runs = timeline->maximum();
    ASSERT_GE(runs, 3);
    EXPECT_EQ(timeline->value(), runs);  // nothing was stepped back over while running
    press(f.window(), Qt::Key_F7);
    EXPECT_EQ(timeline->value(), runs - 1);
    press(f.window(), Qt::Key_F8);
    press(window(), Qt::CTRL | Qt::Key_Left);
    EXPECT_EQ(timeline->value(), runs - 1);
    EXPECT_EQ(timeline->accessibleDescription(),
              QStringLiteral("run %1 of %2, 0.000 s").arg(runs - 1).arg(runs));
    stepBackAll();
    press(f.window(), Qt::Key_F7);
    EXPECT_EQ(status->text(), QStringLiteral("Nothing is left to step back over"));
    EXPECT_FALSE(status->isHidden());
    EXPECT_EQ(timeline->accessibleDescription(), QStringLiteral("before run 1 of %1").arg(runs));
    button("Step")->click();
    EXPECT_TRUE(status->isHidden());
    EXPECT_EQ(timeline->value(), 1);

    // While a question box is open, nothing moves.
    auto* bar = part<TimeBar>("Time");
    QString said;
    harness.moveTo(f, testing_support::Harness::centreOf(f.imgMenu(1)));
    harness.whileBoxOpen([&] {
        bar->step();
        said = status->text();
    });
    click(f.imgMenuOver(1));
    EXPECT_EQ(said, QStringLiteral("A box is open: answer it first"));
}

// Paused, the timeline reads the run it stands at with its time; a click in its groove moves
// a tenth of it.
TEST(TimeBar, ReadsItsPlaceAndPagesATenth) {
    testing_support::Harness harness;
    int travelled = 0;
    TimeBar bar(harness.runtime(),
                {[&](int runs) {
                     travelled += runs;
                     return runs;
                 },
                 [](bool) {}, [](int run) { return run == 8811 ? qint64{45306} : qint64{-1}; }},
                nullptr);
    bar.pause();
    bar.showHistory(9000, 188);
    EXPECT_EQ(bar.timeline()->accessibleDescription(),
              QStringLiteral("run 8,812 of 9,000, 45.306 s"));
    EXPECT_EQ(bar.timeline()->pageStep(), 900);
    bar.showHistory(3, 1);
    EXPECT_EQ(bar.timeline()->accessibleDescription(), QStringLiteral("run 2 of 3"));
    EXPECT_EQ(bar.timeline()->pageStep(), 1);
    bar.timeline()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(travelled, -1);
}

// A True or False value is chosen, not typed, and written as a value typed is; a number is typed.
TEST_F(TimeBothWaysTest, TrueOrFalseIsChosenInTheWatch) {
    frmAnimate& f = start();
    open();
    click(f.cmdDirection(1));
    for (int i = 0; i < 2000 && !watchEntry("intStep").isValid(); ++i) ticks(1, 10), frame();
    auto* watch = part<QTreeView>("Watch");
    const auto editor = [watch]<typename Editor>(Editor*) -> Editor* {
        for (auto* shown : watch->findChildren<Editor*>())
            if (shown->isVisible()) return shown;
        return nullptr;
    };
    watch->edit(watchEntry("Timer4.Enabled").siblingAtColumn(1));
    auto* choice = editor(static_cast<QComboBox*>(nullptr));
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->currentText(), QStringLiteral("True"));
    QTest::keyClick(choice, Qt::Key_Down);
    EXPECT_FALSE(f.Timer4.Enabled.get());
    frame();
    EXPECT_TRUE(
        events().last().contains(QStringLiteral("Timer4.Enabled: True \u2192 False (by you)")))
        << eventText();
    watch->edit(watchEntry("intStep").siblingAtColumn(1));
    EXPECT_EQ(editor(static_cast<QComboBox*>(nullptr)), nullptr);
    QLineEdit* typed = editor(static_cast<QLineEdit*>(nullptr));
    ASSERT_NE(typed, nullptr);
    QTest::keyClick(typed, Qt::Key_Escape);
}

// The change chosen with Right is drawn marked over its own text in its row's Changes cell, the
// rest of the cell as before; choosing another row and coming back shows the cell plain again.
TEST_F(TimeBothWaysTest, TheChosenChangeIsMarkedInItsCell) {
    frmAnimate& f = start();
    open();
    pause();
    click(f.cmdScroll(1));
    click(f.cmdDirection(1));
    frame();
    auto* events = part<QTreeView>("Events");
    const QAbstractItemModel* m = events->model();
    int row = 0;
    while (row < m->rowCount() && !m->index(row, 3).data().toString().contains(QLatin1String("; ")))
        ++row;
    ASSERT_LT(row, m->rowCount()) << eventText();
    ASSERT_GE(m->rowCount(), 2);
    events->setFocus();
    events->setCurrentIndex(m->index(row, 0));
    const QRect cell = events->visualRect(m->index(row, 3));
    const auto shown = [&] { return events->viewport()->grab(cell).toImage(); };
    const QImage plain = shown();
    QTest::keyClick(events, Qt::Key_Right);
    const QImage marked = shown();
    const QString first = m->index(row, 3).data().toString().section(QLatin1String("; "), 0, 0);
    const int end = events->fontMetrics().horizontalAdvance(first) + 8;
    EXPECT_NE(marked.copy(0, 0, end, cell.height()), plain.copy(0, 0, end, cell.height()));
    EXPECT_EQ(marked.copy(end, 0, cell.width() - end, cell.height()),
              plain.copy(end, 0, cell.width() - end, cell.height()));
    events->setCurrentIndex(m->index(row == 0 ? 1 : 0, 0));
    events->setCurrentIndex(m->index(row, 0));
    EXPECT_EQ(shown(), plain);
}

}  // namespace
