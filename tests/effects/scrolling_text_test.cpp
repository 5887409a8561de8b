// "Scrolling Text 1", "2" and "3" driven through their buttons, tick by tick on Timer3.

#include <algorithm>
#include <array>

#include "effects/program_fixture.h"

namespace {

using namespace effects_testing;
using Buttons = std::array<bool, 3>;

constexpr Buttons kAllEnabled{true, true, true};
constexpr Buttons kNoneEnabled{false, false, false};
constexpr Buttons kOnlyThirdEnabled{false, false, true};

const QString kGrowingText = QStringLiteral(
    "This text is scrolled by adding one character at a time to a right hand justified label");
const QString kPrompt = QStringLiteral(
    "Click Scrolling Text 3 again.  This text scrolls off the screen by removing one character "
    "at a time from the front of a label");

class ScrollingTextTest : public StartedProgram {
  protected:
    void SetUp() override { start(); }

    void scrollTicks(int count = 1) { ticks(count, 100); }
    Buttons enabledButtons() {
        return {form().cmdScroll(0).Enabled, form().cmdScroll(1).Enabled,
                form().cmdScroll(2).Enabled};
    }
    QString caption(int label) { return form().lblScrollText(label).Caption; }
    bool running() { return form().Timer3.Enabled; }
};

TEST_F(ScrollingTextTest, MovingLabelStopsAtLeft80OnTick112EveryRun) {
    auto& moving = form().lblScrollText(0);
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        click(form().cmdScroll(0));
        EXPECT_EQ(enabledButtons(), kNoneEnabled);
        EXPECT_EQ(moving.Left.get(), 11280.0f);
        scrollTicks(111);
        EXPECT_EQ(moving.Left.get(), 180.0f);
        EXPECT_TRUE(running());
        click(form().cmdScroll(2));  // disabled: no prompt comes
        EXPECT_FALSE(form().lblScrollText(3).Visible);

        scrollTicks();
        EXPECT_EQ(moving.Left.get(), 80.0f);
        EXPECT_TRUE(moving.Visible);
        EXPECT_FALSE(running());
        EXPECT_EQ(enabledButtons(), kAllEnabled);
    }
    // The moving label stays on the strip until a "Scrolling Text 2" tick hides it.
    click(form().cmdScroll(1));
    EXPECT_TRUE(moving.Visible);
    scrollTicks();
    EXPECT_FALSE(moving.Visible);
    EXPECT_TRUE(form().lblScrollText(1).Visible);
}

TEST_F(ScrollingTextTest, GrowingLabelTakesOneCharacterATickAndEndsOnTick88) {
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        click(form().cmdScroll(1));
        EXPECT_EQ(caption(1), QString());
        EXPECT_EQ(enabledButtons(), kNoneEnabled);
        for (int tick = 1; tick <= 87; ++tick) {
            scrollTicks();
            ASSERT_EQ(caption(1), kGrowingText.left(tick)) << "tick " << tick;
        }
        scrollTicks();  // tick 88 adds nothing and ends the run
        EXPECT_EQ(caption(1), kGrowingText);
        EXPECT_FALSE(running());
        EXPECT_EQ(enabledButtons(), kAllEnabled);
        EXPECT_TRUE(form().lblScrollText(1).Visible);
        EXPECT_FALSE(form().lblScrollText(0).Visible);
    }
}

TEST_F(ScrollingTextTest, ThirdButtonPromptsThenShrinksAndRefillsOnEveryClick) {
    click(form().cmdScroll(2));
    EXPECT_TRUE(form().lblScrollText(3).Visible);
    EXPECT_EQ(caption(3), kPrompt);
    EXPECT_EQ(enabledButtons(), kOnlyThirdEnabled);
    scrollTicks(20);
    EXPECT_EQ(caption(3), kPrompt);

    click(form().cmdScroll(2));
    scrollTicks();
    EXPECT_EQ(caption(3), kPrompt.mid(1));
    EXPECT_EQ(enabledButtons(), kOnlyThirdEnabled);
    scrollTicks(49);

    click(form().cmdScroll(2));  // one extra click: the text comes back whole, the run goes on
    EXPECT_EQ(caption(3), kPrompt);
    scrollTicks(124);
    EXPECT_EQ(caption(3), kPrompt.right(1));
    EXPECT_TRUE(running());
    scrollTicks();
    EXPECT_EQ(caption(3), QString());
    EXPECT_TRUE(form().lblScrollText(3).Visible);
    EXPECT_FALSE(running());
    EXPECT_EQ(enabledButtons(), kAllEnabled);

    // The odd extra click is remembered: a single click now starts a run at once.
    click(form().cmdScroll(2));
    EXPECT_TRUE(running());
    EXPECT_EQ(enabledButtons(), kOnlyThirdEnabled);
    scrollTicks();
    EXPECT_EQ(caption(3), kPrompt.mid(1));
}

TEST_F(ScrollingTextTest, EndlessThirdRunOverflowsItsTickCountOnTick32768) {
    const auto clickTwice = [this] {
        click(form().cmdScroll(2));
        click(form().cmdScroll(2));
    };
    clickTwice();
    // 32767 ticks in clock steps of up to 100 ticks, the text refilled after each step.
    for (int ticksRun = 0; ticksRun < 32767; ticksRun += 100) {
        harness.advance(100LL * std::min(100, 32767 - ticksRun));
        clickTwice();
    }
    EXPECT_TRUE(harness.boxes().empty());

    scrollTicks();
    ASSERT_EQ(harness.boxes().size(), 1u);
    EXPECT_EQ(harness.boxes()[0].prompt, "Run-time error '6':\n\nOverflow");
    EXPECT_EQ(caption(3), kPrompt);  // the tick failed before it removed a character
    scrollTicks(10);
    EXPECT_EQ(harness.boxes().size(), 1u);
}

}  // namespace
