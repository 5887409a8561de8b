// The checked Integer, Single-to-Integer rounding and the text functions.

#include <gtest/gtest.h>

#include <functional>

#include "platform/forms.h"

namespace {

using namespace forms;

// The run-time error number a piece of code raises, or 0 if it raises none.
int errorOf(const std::function<void()>& code) {
    try {
        code();
    } catch (const RuntimeError& error) {
        return error.number;
    }
    return 0;
}

TEST(IntegerTest, EveryOperationTrapsOverflowAtTheEdgesOfTheRange) {
    const Integer one = 1, max = 32767, min = -32768;
    EXPECT_EQ(Integer(32766) + one, max);
    EXPECT_EQ(Integer(-32767) - one, min);
    EXPECT_EQ(Integer(-181) * 181, -32761);
    EXPECT_EQ(-max, -32767);
    EXPECT_EQ(Abs(Integer(-32767)), max);

    struct Case {
        const char* what;
        std::function<void()> code;
    };
    const Case overflows[] = {
        {"sum", [&] { (void)(max + one); }},
        {"counter + 1",
         [&] {
             Integer counter = max;
             counter = counter + 1;
         }},
        {"difference", [&] { (void)(min - one); }},
        {"counter - 1",
         [&] {
             Integer counter = min;
             counter = counter - 1;
         }},
        {"product", [] { (void)(Integer(200) * 200); }},
        {"negative product", [] { (void)(Integer(-256) * 129); }},
        {"negation", [&] { (void)(-min); }},
        {"absolute value", [&] { (void)Abs(min); }},
        {"literal", [] { (void)Integer(40000); }},
    };
    for (const Case& c : overflows) EXPECT_EQ(errorOf(c.code), kOverflow) << c.what;
}

TEST(IntegerTest, SingleToIntegerRoundsHalvesToEven) {
    const std::pair<double, int> rounded[] = {{2.5, 2},   {3.5, 4},         {-2.5, -2},
                                              {0.5, 0},   {1.5, 2},         {2.4999, 2},
                                              {-3.5, -4}, {32767.4, 32767}, {-32768.5, -32768}};
    for (auto [value, expected] : rounded) EXPECT_EQ(CInt(value), expected) << value;
    for (double value : {32767.5, -32769.0, 1e9})
        EXPECT_EQ(errorOf([=] { CInt(value); }), kOverflow) << value;
}

TEST(TextFunctionsTest, StrMidRightLen) {
    EXPECT_EQ(Str(Integer(5)), " 5");
    EXPECT_EQ(Str(Integer(0)), " 0");
    EXPECT_EQ(Str(Integer(-5)), "-5");
    EXPECT_EQ(Str(Integer(-32768)), "-32768");

    const String text = QStringLiteral("Hello");
    EXPECT_EQ(Mid(text, 1, 1), "H");
    EXPECT_EQ(Mid(text, 2, 3), "ell");
    EXPECT_EQ(Mid(text, 4, 10), "lo");
    EXPECT_EQ(Mid(text, 6, 1), "");
    EXPECT_EQ(Mid(text, 3), "llo");
    EXPECT_EQ(Right(text, 2), "lo");
    EXPECT_EQ(Right(text, 9), "Hello");
    EXPECT_EQ(Right(text, 0), "");
    EXPECT_EQ(Len(text), 5);
    EXPECT_EQ(Len(String()), 0);
    EXPECT_EQ(errorOf([&] { Mid(text, 0, 1); }), kInvalidCall);
    EXPECT_EQ(errorOf([&] { Right(text, -1); }), kInvalidCall);
}

}  // namespace
