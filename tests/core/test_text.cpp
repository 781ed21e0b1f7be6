#include "Text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

using namespace fw;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kPercentFactor = 2.55;
static_assert(std::bit_cast<std::uint64_t>(kPercentFactor) == 0x4004666666666666);
constexpr double Pct(int percentage) { return percentage * kPercentFactor; }

template <class Row>
std::string RowName(const testing::TestParamInfo<Row>& info) { return info.param.name; }

struct ValRow { const char* name; std::string text; double expected; };
void PrintTo(const ValRow& row, std::ostream* os) { *os << row.name; }
class ValTable : public testing::TestWithParam<ValRow> {};

TEST_P(ValTable, ReadsTheNumberAtTheStart)
{
    EXPECT_EQ(Val(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Text, ValTable, testing::Values(
    ValRow{"Whole", "42", 42}, ValRow{"StopsAtALetter", "12a", 12}, ValRow{"Fraction", "1.5", 1.5},
    ValRow{"LeadingBlanks", "\t 7", 7}, ValRow{"Minus", "-5", -5},
    ValRow{"Exponent", "1e3", 1000}, ValRow{"CapitalNegativeExponent", "25E-1", 2.5}, ValRow{"BareE", "12e", 12},
    ValRow{"ESignNoDigits", "12e+", 12}, ValRow{"FractionOnly", ".5", 0.5}, ValRow{"Letters", "abc", 0},
    ValRow{"Empty", "", 0}, ValRow{"SignOnly", "-", 0}, ValRow{"PointOnly", ".", 0},
    ValRow{"Overflow", "1e999", kInf}, ValRow{"NegativeOverflow", "-1e999", -kInf}, ValRow{"Underflow", "1e-999", 0},
    ValRow{"HugeExponent", "1e99999999999999999999", kInf},
    ValRow{"LongMantissaOverflow", std::string(400, '9') + "e-50", kInf},
    ValRow{"LongFractionUnderflow", "0." + std::string(400, '0') + "1e-50", 0},
    ValRow{"HexLowerDigits", "&hff", 255}, ValRow{"HexCapitalPrefix", "&HFF", 255}, ValRow{"HexAlone", "&h", 0},
    ValRow{"HexStopsAtNonDigit", "&h1G", 1}, ValRow{"HexNoSign", "&h-5", 0}, ValRow{"SignBeforeHex", "-&hA", 0},
    ValRow{"BlankBeforeHex", " &h10", 16}, ValRow{"HexBeyond32Bits", "&hFFFFFFFF", 4294967295.0},
    ValRow{"HexOverflow", "&h" + std::string(300, 'F'), kInf}),
    RowName<ValRow>);

TEST(Text, ValNeverReadsPastTheViewEnd)
{
    const std::string backing = "123e5&hA";
    EXPECT_EQ(Val(std::string_view(backing).substr(0, 4)), 123);  // "123e": the 5 lies outside
    EXPECT_EQ(Val(std::string_view(backing).substr(5, 2)), 0);    // "&h": the A lies outside
}

struct StrRow { const char* name; double value; std::string expected; };
void PrintTo(const StrRow& row, std::ostream* os) { *os << row.name; }
class StrDoubleTable : public testing::TestWithParam<StrRow> {};

TEST_P(StrDoubleTable, Prints) { EXPECT_EQ(Str(GetParam().value), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Text, StrDoubleTable, testing::Values(
    StrRow{"Whole", 50.0, "50"}, StrRow{"NegativeZero", -0.0, "0"}, StrRow{"Huge", 1e20, "100000000000000000000"},
    StrRow{"Half", 1.5, "1.5"}, StrRow{"JustBelowHalf", Pct(50), "127.49999999999999"}, StrRow{"Tiny", 1e-7, "1e-07"},
    StrRow{"Infinity", kInf, "inf"}, StrRow{"NaN", kNaN, "nan"}),
    RowName<StrRow>);

TEST(Text, StrOfDoubleReadsBackThroughVal)
{
    const double values[] = {0.1, 1.0 / 3, -2.0 / 3, 4.9e-324, 2.2250738585072014e-308, 1.7976931348623157e308,
                             9007199254740993.0, -1e22};
    for (double v : values) EXPECT_EQ(Val(Str(v)), v) << Str(v);
    EXPECT_EQ(Str(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(Text, HexRoundAndRGB)
{
    const std::pair<std::int32_t, const char*> hex[] = {
        {0, "0"}, {10, "A"}, {255, "FF"}, {0xABCDEF, "ABCDEF"}, {-1, "FFFFFFFF"},
        {std::numeric_limits<std::int32_t>::min(), "80000000"}};
    for (const auto& [value, expected] : hex) EXPECT_EQ(Hex(value), expected) << value;

    // Halves away from zero, never to even.
    const std::pair<double, double> rounded[] = {{0.5, 1}, {-0.5, -1}, {2.5, 3}, {1.4999999999999998, 1},
                                                 {Pct(50), 127}};
    for (const auto& [value, expected] : rounded) EXPECT_EQ(Round(value), expected) << value;

    EXPECT_EQ(RGB(1, 2, 3).value, 0x010203u);
    EXPECT_EQ(RGB(300, -5, 128).value, 0xFF0080u);
    EXPECT_EQ(RGB(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), 0).value,
              0x00FF00u);
}

struct CvtRow { const char* name; double value; std::int32_t expected; };
void PrintTo(const CvtRow& row, std::ostream* os) { *os << row.name; }
class CvtTable : public testing::TestWithParam<CvtRow> {};

TEST_P(CvtTable, RoundsAndSaturates) { EXPECT_EQ(RuntimeCvtReal64ToSInt32(GetParam().value), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Text, CvtTable, testing::Values(
    CvtRow{"Pct1", Pct(1), 3}, CvtRow{"Pct10", Pct(10), 26}, CvtRow{"Pct50", Pct(50), 127},
    CvtRow{"Pct100", Pct(100), 255}, CvtRow{"Pct150", Pct(150), 383}, CvtRow{"PctMinus5", Pct(-5), -13},
    CvtRow{"NegativeHalf", -0.5, -1}, CvtRow{"SmallNegative", -0.4, 0},
    CvtRow{"HalfAboveMax", 2147483647.5, 2147483647}, CvtRow{"FarBelow", -1e10, -2147483647 - 1},
    CvtRow{"Infinity", kInf, 2147483647}, CvtRow{"NaN", kNaN, 0}),
    RowName<CvtRow>);

// Every slider value's percent text, and its hex pair, read back the way the
// fields are read when they lose the focus.
TEST(Text, SliderValuesSurviveTheirTexts)
{
    for (std::int32_t v = 0; v <= 255; ++v) {
        const std::string percent = Str(Round(RuntimeCvtSInt32ToReal64(v) / kPercentFactor));
        EXPECT_EQ(percent, std::to_string((40 * v + 51) / 102)) << v;
        EXPECT_EQ(Val(RuntimeAddString(percent, "%")), std::stod(percent)) << v;
        EXPECT_EQ(Val(RuntimeAddString("&h", Hex(v))), v) << v;
    }
}

}  // namespace
