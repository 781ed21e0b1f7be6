// Text and numbers, on the inputs the converter gives them: field texts of
// up to three typed characters, the "100%" it writes itself, "&h" and a pair.

#include "Text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

using namespace fw;

namespace {

struct ValRow { const char* name; const char* text; double expected; };
class ValTable : public testing::TestWithParam<ValRow> {};

TEST_P(ValTable, ReadsTheNumberAtTheStart) { EXPECT_EQ(Val(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Text, ValTable, testing::Values(
    ValRow{"Whole", "255", 255}, ValRow{"StopsAtPercent", "100%", 100}, ValRow{"StopsAtLetter", "12a", 12},
    ValRow{"Fraction", "1.5", 1.5}, ValRow{"FractionOnly", ".5", 0.5}, ValRow{"LeadingBlank", " 7", 7},
    ValRow{"Minus", "-5", -5}, ValRow{"Exponent", "9e9", 9e9}, ValRow{"BareExponent", "12e", 12},
    ValRow{"ExponentSignOnly", "1e-", 1}, ValRow{"Letters", "abc", 0}, ValRow{"Empty", "", 0},
    ValRow{"SignOnly", "-", 0}, ValRow{"PointOnly", ".", 0},
    ValRow{"HexLowerCase", "&hff", 255}, ValRow{"HexUpperCase", "&hA", 10}, ValRow{"HexMixedCase", "&hbC", 188},
    ValRow{"HexEmpty", "&h", 0}, ValRow{"HexStopsAtNonDigit", "&h1G", 1}, ValRow{"HexNoSign", "&h-5", 0}),
    [](const auto& row) { return std::string(row.param.name); });

struct CvtRow { const char* name; double value; std::int32_t expected; };
class CvtTable : public testing::TestWithParam<CvtRow> {};

TEST_P(CvtTable, RoundsHalvesAwayFromZeroAndSaturates)
{
    EXPECT_EQ(RuntimeCvtReal64ToSInt32(GetParam().value), GetParam().expected);
}

// The products are 1, 10, 50 and 100 times the double nearest 2.55, which lies
// just below it.
INSTANTIATE_TEST_SUITE_P(Text, CvtTable, testing::Values(
    CvtRow{"OnePercent", 2.55, 3}, CvtRow{"TenPercent", 25.5, 26}, CvtRow{"FiftyPercent", 127.49999999999999, 127},
    CvtRow{"HundredPercent", 254.99999999999997, 255}, CvtRow{"HalfNotToEven", 2.5, 3},
    CvtRow{"NegativeHalf", -0.5, -1}, CvtRow{"ThreeCharacterExponentSaturates", 9e9, INT_MAX}),
    [](const auto& row) { return std::string(row.param.name); });

// A slider value over 2.55 never lies near a half: 1 gives 0.39, 2 gives 0.78.
TEST(Text, StrHexRoundAndRGB)
{
    const std::pair<std::string, const char*> printed[] = {
        {Str(0.0), "0"}, {Str(100.0), "100"}, {Str(std::int32_t{255}), "255"},
        {Hex(0), "0"},   {Hex(10), "A"},      {Hex(16), "10"},   {Hex(255), "FF"}};
    for (const auto& [text, expected] : printed) EXPECT_EQ(text, expected);
    EXPECT_EQ(Round(0.39), 0);
    EXPECT_EQ(Round(0.78), 1);
    EXPECT_EQ(Round(49.8), 50);
    EXPECT_EQ(RGB(0x12, 0x34, 0x56).value, 0x123456u);
}

}  // namespace
