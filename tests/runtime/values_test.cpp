// The checked Integer, Single-to-Integer rounding and the text functions.

#include <gtest/gtest.h>

#include <functional>

#include "platform/forms/forms.h"
#include "support/harness.h"

namespace {

using namespace forms;

using testing_support::errorOf;

TEST(IntegerTest, EveryOperationTrapsOverflowJustPastTheEdgesOfTheRange) {
    const Integer one = 1, max = 32767, min = -32768;
    EXPECT_EQ(Integer(32766) + one, max);
    EXPECT_EQ(Integer(-32767) - one, min);
    EXPECT_EQ(Integer(-181) * 181, -32761);
    EXPECT_EQ(Abs(Integer(-32767)), max);
    const std::pair<const char*, std::function<void()>> overflows[] = {
        {"sum", [&] { (void)(max + one); }},
        {"sum with a number", [&] { (void)(max + 1); }},
        {"difference", [&] { (void)(min - one); }},
        {"difference with a number", [&] { (void)(min - 1); }},
        {"product", [] { (void)(Integer(200) * Integer(200)); }},
        {"product with a number", [] { (void)(Integer(200) * 200); }},
        {"negative product", [] { (void)(Integer(-256) * 129); }},
        {"negation", [&] { (void)(-min); }},
        {"absolute value", [&] { (void)Abs(min); }},
        {"literal", [] { (void)Integer(40000); }},
    };
    for (const auto& [what, code] : overflows) EXPECT_EQ(errorOf(code), kOverflow) << what;
}

TEST(IntegerTest, SingleToIntegerRoundsHalvesToEven) {
    const std::pair<double, int> rounded[] = {{2.5, 2},         {3.5, 4},    {-2.5, -2},
                                              {0.5, 0},         {1.5, 2},    {-3.5, -4},
                                              {32767.4, 32767}, {2.4999, 2}, {-32768.5, -32768}};
    for (auto [value, expected] : rounded) EXPECT_EQ(CInt(value), expected) << value;
    for (double value : {32767.5, -32769.0, 1e9})
        EXPECT_EQ(errorOf([=] { CInt(value); }), kOverflow) << value;
}

TEST(TextFunctionsTest, StrMidRightLen) {
    const std::pair<int, const char*> strs[] = {
        {5, " 5"}, {0, " 0"}, {-5, "-5"}, {-32768, "-32768"}};
    for (auto [value, text] : strs) EXPECT_EQ(Str(Integer(value)), text);
    const String text = QStringLiteral("Hello");
    EXPECT_EQ(Mid(text, 1, 1) + "|" + Mid(text, 2, 3) + "|" + Mid(text, 4, 10) + "|" +
                  Mid(text, 6, 1) + "|" + Mid(text, 3),
              "H|ell|lo||llo");
    EXPECT_EQ(Right(text, 2) + "|" + Right(text, 9) + "|" + Right(text, 0), "lo|Hello|");
    EXPECT_EQ(Len(text) + Len(String()), 5);
    EXPECT_EQ(errorOf([&] { Mid(text, 0, 1); }), kInvalidCall);
    EXPECT_EQ(errorOf([&] { Right(text, -1); }), kInvalidCall);
}

}  // namespace
