// Handler dispatch on the virtual clock: timers, one handler at a time, modal boxes, End, the
// error report and the life of a form.

#include <gtest/gtest.h>

#include <QWidget>
#include <functional>

#include "platform/forms/forms.h"
#include "support/harness.h"

namespace {

using namespace forms;
using testing_support::Harness;

namespace layout {
using enum ControlClass;

// clang-format off
constexpr ControlDesc kClockControls[] = {
    // name      class          container   left top  width height tab          visible
    {"tmrA",     Timer,         "frmClock", 0,   0,   0,    0,     kNoTabIndex, Shown, {.Interval = 100, .Enabled = false}},
    {"tmrB",     Timer,         "frmClock", 0,   0,   0,    0,     kNoTabIndex, Shown, {.Interval = 10, .Enabled = false}},
    {"cmdGo",    CommandButton, "frmClock", 150, 150, 1500, 450,   0,           Shown},
    {"cmdOther", CommandButton, "frmClock", 150, 750, 1500, 450,   1,           Shown},
};
constexpr ControlDesc kNoteControls[] = {
    {"lblNote",  Label,         "frmNote",  120, 120, 2000, 300,   0,           Shown, {.Caption = "fresh"}},
};
// clang-format on
constexpr FormDesc kClockForm{"frmClock", "Clock", 3000, 2250, kClockControls};
constexpr FormDesc kNoteForm{"frmNote", "Note", 3000, 1500, kNoteControls};
}  // namespace layout

// Timers and buttons whose handlers count what ran, then run what the test gives them.
class frmClock final : public Form {
  public:
    frmClock() : Form(layout::kClockForm) {
        tmrA.Tick.bind("tmrA_Timer", [this](auto&) {
            ++ticksA;
            onTickA();
        });
        tmrB.Tick.bind("tmrB_Timer", [this](auto&) {
            ++ticksB;
            onTickB();
        });
        cmdGo.Click.bind("cmdGo_Click", [this](auto&) { onGo(); });
        cmdOther.Click.bind("cmdOther_Click", [this](auto&) { ++otherClicks; });
        onUnload(&frmClock::Form_Unload, "Form_Unload");
    }
    Timer& tmrA = control<Timer>("tmrA");
    Timer& tmrB = control<Timer>("tmrB");
    CommandButton& cmdGo = control<CommandButton>("cmdGo");
    CommandButton& cmdOther = control<CommandButton>("cmdOther");
    int ticksA = 0, ticksB = 0, otherClicks = 0;
    std::function<void()> onGo, onTickA = [] {}, onTickB = [] {}, onUnloading = [] {};

    // Two handlers' persistent locals of one name, each counting its calls.
    int countInA() { return countIn(Static<Integer>("intCalls")); }
    int countInB() { return countIn(Static<Integer>("intCalls")); }

  private:
    void Form_Unload(Integer&) { onUnloading(); }
    static int countIn(Variable<Integer>& calls) {
        calls = calls + 1;
        return calls.value();
    }
};

class DispatchTest : public ::testing::Test {
  protected:
    DispatchTest() { f.Show(); }
    // Steps the clock and reads a counter.
    int after(qint64 ms, const int& counter) {
        h.advance(ms);
        return counter;
    }

    Harness h;
    frmClock& f = h.runtime().form<frmClock>();
};

TEST_F(DispatchTest, TimersTickOneIntervalAfterEnablingAndReenablingDoesNotRestart) {
    h.advance(30);
    f.tmrA.Enabled = true;
    h.advance(60);
    f.tmrA.Enabled = true;  // already running
    EXPECT_EQ(after(39, f.ticksA), 0);
    EXPECT_EQ(after(1, f.ticksA), 1);
    f.tmrA.Enabled = false;
    f.tmrA.Enabled = true;  // switched off and on: a fresh interval
    EXPECT_EQ(after(99, f.ticksA), 1);
    EXPECT_EQ(after(1, f.ticksA), 2);

    f.tmrB.Enabled = true;  // a precise 10 ms timer: 100 ticks a second
    for (int step = 0; step < 143; ++step) h.advance(7);  // 1001 ms
    EXPECT_EQ(f.ticksB, 100);
    EXPECT_EQ(f.ticksA, 12);
}

TEST_F(DispatchTest, EachHandlerHasItsOwnStaticsThoughTheyShareAName) {
    EXPECT_EQ(f.countInA(), 1);
    EXPECT_EQ(f.countInA(), 2);
    EXPECT_EQ(f.countInB(), 1);
    EXPECT_EQ(f.countInA(), 3);
}

TEST_F(DispatchTest, TimerThatFellBehindTicksOnceNotInABurst) {
    f.tmrB.Enabled = true;
    f.onTickB = [this] {
        if (f.ticksB == 1) h.clock().advance(35);
    };  // a slow first tick
    h.advance(10);
    EXPECT_EQ(h.clock().now(), 45);
    EXPECT_EQ(f.ticksB, 2);  // the slow one, then one catching up at 45
    EXPECT_EQ(after(9, f.ticksB), 2);
    EXPECT_EQ(after(1, f.ticksB), 3);
}

TEST_F(DispatchTest, NothingRunsWhileABoxIsOpenAndADueTimerTicksOnceAfterIt) {
    f.tmrA.Enabled = true;
    h.advance(50);
    int ticksWhileOpen = -1;
    Integer answer = 0;
    h.answerBoxesWith(vbYes);
    f.onGo = [&] { answer = MsgBox(QStringLiteral("Sure?"), vbYesNo + vbQuestion, "Ask"); };
    h.whileBoxOpen([&] {
        h.advance(1000);
        f.cmdOther.raise(&ControlEvents::Click);
        ticksWhileOpen = f.ticksA;
    });
    h.click(f, Harness::centreOf(f.cmdGo));
    ASSERT_EQ(h.boxes().size(), 1u);
    EXPECT_EQ(h.boxes()[0].buttons, 36);
    EXPECT_EQ(answer, vbYes);
    EXPECT_EQ(ticksWhileOpen, 0);
    EXPECT_EQ(f.otherClicks, 0);
    EXPECT_EQ(f.ticksA, 1);
    EXPECT_EQ(after(99, f.ticksA), 1);
    EXPECT_EQ(after(1, f.ticksA), 2);
}

TEST_F(DispatchTest, EndStopsEveryTimerAndHandlerAndClosesTheWindows) {
    f.tmrA.Enabled = true;
    f.onTickA = [] { End(); };
    h.advance(5);
    f.tmrB.Enabled = true;
    EXPECT_EQ(after(95, f.ticksB), 9);  // the 10th was due at 105, after End at 100
    EXPECT_TRUE(h.runtime().hasEnded());
    EXPECT_FALSE(f.isShown());
    f.cmdOther.raise(&ControlEvents::Click);
    EXPECT_EQ(after(1000, f.ticksB), 9);
    EXPECT_EQ(f.ticksA, 1);
    EXPECT_EQ(f.otherClicks, 0);
}

TEST_F(DispatchTest, ErrorBoxOncePerHandlerAndErrorStandardErrorEveryTime) {
    bool ranPastFailure = false;
    const std::function<void()> overflow = [&] {
        Integer big = 32767;
        big = big + 1;
        ranPastFailure = true;
    };
    const std::function<void()> missing = [] { LoadPicture("nowhere\\missing.bmp"); };
    testing::internal::CaptureStderr();
    for (const auto& failure : {overflow, overflow, missing}) {
        f.onGo = failure;
        h.click(f, Harness::centreOf(f.cmdGo));
    }
    f.onTickA = missing;
    f.tmrA.Enabled = true;
    h.advance(300);
    const QString errors = QString::fromStdString(testing::internal::GetCapturedStderr());
    const auto lines = [&](const char* line) { return errors.count(QLatin1String(line)); };
    SCOPED_TRACE(errors.toStdString());

    ASSERT_EQ(h.boxes().size(), 3u);  // one for each handler and error number
    EXPECT_EQ(h.boxes()[0].prompt, "Run-time error '6':\n\nOverflow");
    EXPECT_EQ(h.boxes()[1].prompt, "Run-time error '53':\n\nFile not found\nnowhere/missing.bmp");
    EXPECT_EQ(h.boxes()[2].prompt, h.boxes()[1].prompt);
    EXPECT_EQ(lines("6 (Overflow) in frmClock.cmdGo_Click\n"), 2);
    EXPECT_EQ(lines("53 (File not found) in frmClock.cmdGo_Click: nowhere/missing.bmp\n"), 1);
    EXPECT_EQ(lines("53 (File not found) in frmClock.tmrA_Timer: nowhere/missing.bmp\n"), 3);
    EXPECT_FALSE(ranPastFailure);
    EXPECT_FALSE(h.runtime().hasEnded());
}

class frmNote final : public Form {
  public:
    frmNote() : Form(layout::kNoteForm) {
        Load.bind("Form_Load", [this](auto&) { Caption = QStringLiteral("Loaded"); });
        onUnload(&frmNote::Form_Unload, "Form_Unload");
    }
    Label& lblNote = control<Label>("lblNote");
    static inline int unloads = 0;
    static inline bool cancelUnload = false;

  private:
    void Form_Unload(Integer& cancel) {
        ++unloads;
        cancel = cancelUnload ? 1 : 0;
    }
};

TEST_F(DispatchTest, CloseBoxUnloadsTheFormAndItsNextUseCreatesItAfresh) {
    frmNote::unloads = 0;
    frmNote& note = Instance<frmNote>();
    EXPECT_FALSE(note.isShown());
    note.Show();
    note.lblNote.Caption = QStringLiteral("changed");
    note.Hide();
    note.Show();
    EXPECT_EQ(note.lblNote.Caption.get(), "changed");
    frmNote::cancelUnload = true;
    note.window()->close();  // cancelled by its Unload handler
    EXPECT_TRUE(note.isShown());
    frmNote::cancelUnload = false;
    note.window()->close();
    EXPECT_EQ(frmNote::unloads, 2);
    EXPECT_FALSE(h.runtime().hasForm<frmNote>());
    EXPECT_FALSE(h.runtime().hasEnded());

    frmNote& again = Instance<frmNote>();
    EXPECT_FALSE(again.isShown());
    EXPECT_EQ(again.lblNote.Caption.get(), "fresh");
    EXPECT_EQ(again.Caption.get(), "Loaded");
    again.Show();
    again.window()->close();
    f.window()->close();  // the last form gone ends the program
    EXPECT_TRUE(h.runtime().hasEnded());
}

TEST_F(DispatchTest, OutOfMemoryIsReportedAsError7AndTheProgramGoesOn) {
    f.onGo = [] { throw std::bad_alloc(); };
    testing::internal::CaptureStderr();
    h.click(f, Harness::centreOf(f.cmdGo));
    const std::string errors = testing::internal::GetCapturedStderr();
    ASSERT_EQ(h.boxes().size(), 1u);
    EXPECT_EQ(h.boxes()[0].prompt, "Run-time error '7':\n\nOut of memory");
    EXPECT_NE(errors.find("run-time error 7 (Out of memory) in frmClock.cmdGo_Click"),
              std::string::npos);
    h.click(f, Harness::centreOf(f.cmdOther));
    EXPECT_EQ(f.otherClicks, 1);
    EXPECT_FALSE(h.runtime().hasEnded());
}

// A close from code while a box is open in one of the form's handlers: the box's event loop
// runs on, yet the form stays until its handler has returned, and then it is closed as the
// close box would. The start-up form gone ends the program, other forms loaded or not.
TEST_F(DispatchTest, CloseWhileAHandlerRunsWaitsForItAndUnloadingTheStartUpFormEnds) {
    h.runtime().setStartupForm(QStringLiteral("frmClock"));
    Instance<frmNote>().Show();
    bool handlerDone = false, stayedDuringTheBox = false, unloadAfterHandler = false;
    int unloads = 0;  // counted here: once unloaded, the form is deleted
    f.onGo = [&] {
        MsgBox(QStringLiteral("Sure?"), vbYesNo, "Ask");
        f.Caption = QStringLiteral("still here");  // its own form, after the box
        handlerDone = true;
    };
    f.onUnloading = [&] {
        ++unloads;
        unloadAfterHandler = handlerDone;
    };
    h.whileBoxOpen([&] {
        f.window()->close();
        h.settle();
        stayedDuringTheBox = h.runtime().hasForm<frmClock>() && unloads == 0 && f.isShown();
    });
    h.click(f, Harness::centreOf(f.cmdGo));
    EXPECT_TRUE(stayedDuringTheBox);
    EXPECT_TRUE(handlerDone);
    EXPECT_EQ(unloads, 1);
    EXPECT_TRUE(unloadAfterHandler);
    EXPECT_FALSE(h.runtime().hasForm<frmClock>());
    EXPECT_TRUE(h.runtime().hasForm<frmNote>());
    EXPECT_TRUE(h.runtime().hasEnded());
}

// The paced clock over a virtual one: held, it stands and wakes nobody; let go or slowed, it
// moves on from where it stood, and a wake falls due at the paced time it was asked for.
TEST(PacedClock, HeldItStandsAndResumesWhereItStoodWithoutAJump) {
    VirtualClock base;
    PacedClock paced(base);
    int woken = 0;
    base.advance(100);
    paced.wakeAt(150, [&] { ++woken; });
    paced.setHeld(true);
    base.advance(1000);
    EXPECT_EQ(paced.now(), 100);
    EXPECT_EQ(woken, 0);
    paced.moveTo(120);  // a step, to the tick due
    paced.moveTo(110);  // never back
    EXPECT_EQ(paced.now(), 120);
    EXPECT_EQ(woken, 0);
    paced.setHeld(false);
    EXPECT_EQ(paced.now(), 120);
    base.advance(29);
    EXPECT_EQ(woken, 0);
    base.advance(1);
    EXPECT_EQ(woken, 1);
    EXPECT_EQ(paced.now(), 150);
}

TEST(PacedClock, SlowedItRunsAtAFractionOfThePaceAndAChangeOfPaceKeepsItsTime) {
    VirtualClock base;
    PacedClock paced(base);
    int woken = 0;
    paced.wakeAt(100, [&] { ++woken; });
    paced.setSlowdown(4);
    base.advance(200);
    EXPECT_EQ(paced.now(), 50);
    paced.setSlowdown(2);
    EXPECT_EQ(paced.now(), 50);
    base.advance(99);
    EXPECT_EQ(woken, 0);
    base.advance(1);
    EXPECT_EQ(woken, 1);
    EXPECT_EQ(paced.now(), 100);
    paced.setSlowdown(1);
    base.advance(10);
    EXPECT_EQ(paced.now(), 110);
}

}  // namespace
