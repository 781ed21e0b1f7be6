#include "Exceptions.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

using namespace fw;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPercentFactor = 2.55;
static_assert(std::bit_cast<std::uint64_t>(kPercentFactor) == 0x4004666666666666);

template <class Row>
std::string RowName(const testing::TestParamInfo<Row>& info) { return info.param.name; }

// ---- Val ----

struct ValRow { const char* name; std::string text; double expected; };
void PrintTo(const ValRow& row, std::ostream* os) { *os << row.name; }
class ValTable : public testing::TestWithParam<ValRow> {};

TEST_P(ValTable, ReadsTheNumberAtTheStart)
{
    EXPECT_EQ(Val(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Text, ValTable, testing::Values(
    ValRow{"Whole", "42", 42}, ValRow{"TrailingPercent", "50%", 50}, ValRow{"TrailingLetter", "12a", 12},
    ValRow{"Fraction", "1.5", 1.5}, ValRow{"LeadingSpace", " 7", 7}, ValRow{"LeadingTab", "\t 7", 7},
    ValRow{"Minus", "-5", -5}, ValRow{"Plus", "+3", 3}, ValRow{"Exponent", "1e3", 1000},
    ValRow{"NegativeExponent", "25E-1", 2.5}, ValRow{"BareE", "12e", 12}, ValRow{"ESignNoDigits", "12e+", 12},
    ValRow{"FractionOnly", ".5", 0.5}, ValRow{"TrailingPoint", "5.", 5}, ValRow{"StopsAtSecondNumber", "1 2", 1},
    ValRow{"CommaIsNoPoint", "1,5", 1}, ValRow{"Letters", "abc", 0}, ValRow{"Empty", "", 0},
    ValRow{"Blanks", "  ", 0}, ValRow{"PercentOnly", "%", 0}, ValRow{"SignOnly", "-", 0},
    ValRow{"PointOnly", ".", 0}, ValRow{"BlankAfterSign", "- 5", 0}, ValRow{"CPrefixIsNoHex", "0x10", 0},
    ValRow{"Overflow", "1e999", kInf}, ValRow{"NegativeOverflow", "-1e999", -kInf},
    ValRow{"Underflow", "1e-999", 0}, ValRow{"HugeExponent", "1e99999999999999999999", kInf},
    ValRow{"LongMantissaOverflow", std::string(400, '9') + "e-50", kInf},
    ValRow{"LongFractionUnderflow", "0." + std::string(400, '0') + "1e-50", 0},
    ValRow{"HexUpper", "&hA", 10}, ValRow{"HexLowerDigits", "&hff", 255}, ValRow{"HexUpperDigits", "&HFF", 255},
    ValRow{"HexLeadingZero", "&h0A", 10}, ValRow{"Hex7f", "&h7f", 127}, ValRow{"HexAlone", "&h", 0},
    ValRow{"HexBadDigit", "&hG", 0}, ValRow{"HexStopsAtNonDigit", "&h1G", 1}, ValRow{"HexNoSign", "&h-5", 0},
    ValRow{"SignBeforeHex", "-&hA", 0}, ValRow{"BlankBeforeHex", " &h10", 16},
    ValRow{"HexBeyond32Bits", "&hFFFFFFFF", 4294967295.0}, ValRow{"HexOverflow", "&h" + std::string(300, 'F'), kInf}),
    RowName<ValRow>);

TEST(Text, ValNeverReadsPastTheViewEnd)
{
    const std::string backing = "123e5&hA";
    EXPECT_EQ(Val(std::string_view(backing).substr(0, 2)), 12);
    EXPECT_EQ(Val(std::string_view(backing).substr(0, 4)), 123);  // "123e": the 5 lies outside
    EXPECT_EQ(Val(std::string_view(backing).substr(5, 2)), 0);    // "&h": the A lies outside
}

TEST(Text, HexFieldTextsReadThroughThePrefix)
{
    const std::pair<const char*, double> fields[] = {
        {"A", 10}, {"ff", 255}, {"FF", 255}, {"0A", 10}, {"", 0}, {"G", 0}, {"7f", 127}};
    for (const auto& [field, expected] : fields) EXPECT_EQ(Val(RuntimeAddString("&h", field)), expected) << field;
}

// ---- Str ----

struct StrRow { const char* name; double value; std::string expected; };
void PrintTo(const StrRow& row, std::ostream* os) { *os << row.name; }
class StrDoubleTable : public testing::TestWithParam<StrRow> {};

TEST_P(StrDoubleTable, Prints) { EXPECT_EQ(Str(GetParam().value), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Text, StrDoubleTable, testing::Values(
    StrRow{"Whole", 50.0, "50"}, StrRow{"NegativeWhole", -12.0, "-12"}, StrRow{"NegativeZero", -0.0, "0"},
    StrRow{"BeyondInt64", 1e20, "100000000000000000000"}, StrRow{"Half", 1.5, "1.5"}, StrRow{"Tenth", 0.1, "0.1"},
    StrRow{"JustBelowHalf", 50 * kPercentFactor, "127.49999999999999"}, StrRow{"Tiny", 1e-7, "1e-07"},
    StrRow{"Infinity", kInf, "inf"}, StrRow{"NegativeInfinity", -kInf, "-inf"},
    StrRow{"NaN", std::numeric_limits<double>::quiet_NaN(), "nan"}),
    RowName<StrRow>);

TEST(Text, StrOfInt32)
{
    EXPECT_EQ(Str(std::int32_t{0}), "0");
    EXPECT_EQ(Str(std::int32_t{-255}), "-255");
    EXPECT_EQ(Str(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(Text, StrOfDoubleReadsBackThroughVal)
{
    const double values[] = {0.1, 1.0 / 3, -2.0 / 3, 123456.789, 1e-300, 4.9e-324, 2.2250738585072014e-308,
                             1.7976931348623157e308, 9007199254740993.0, -1e22};
    for (double v : values) EXPECT_EQ(Val(Str(v)), v) << Str(v);
}

// ---- Hex, Round, RGB ----

TEST(Text, HexIsUpperCaseWithoutLeadingZeros)
{
    const std::pair<std::int32_t, const char*> rows[] = {
        {0, "0"}, {1, "1"}, {10, "A"}, {15, "F"}, {16, "10"}, {127, "7F"}, {255, "FF"}, {0xABCDEF, "ABCDEF"},
        {-1, "FFFFFFFF"}, {std::numeric_limits<std::int32_t>::min(), "80000000"}};
    for (const auto& [value, expected] : rows) EXPECT_EQ(Hex(value), expected) << value;
}

TEST(Text, RoundTakesHalvesAwayFromZero)
{
    const std::pair<double, double> rows[] = {{0.5, 1}, {-0.5, -1}, {2.5, 3}, {-2.5, -3}, {1.4999999999999998, 1},
                                              {50 * kPercentFactor, 127}};
    for (const auto& [value, expected] : rows) EXPECT_EQ(Round(value), expected) << value;
}

TEST(Text, RGBLimitsEachChannelThenPacks)
{
    EXPECT_EQ(RGB(1, 2, 3).value, 0x010203u);
    EXPECT_EQ(RGB(255, 255, 255).value, 0xFFFFFFu);
    EXPECT_EQ(RGB(300, -5, 128).value, 0xFF0080u);
    EXPECT_EQ(RGB(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), 0).value,
              0x00FF00u);
}

// ---- Conversions ----

struct CvtRow { const char* name; double value; std::int32_t expected; };
void PrintTo(const CvtRow& row, std::ostream* os) { *os << row.name; }
class CvtTable : public testing::TestWithParam<CvtRow> {};

TEST_P(CvtTable, RoundsAndSaturates) { EXPECT_EQ(RuntimeCvtReal64ToSInt32(GetParam().value), GetParam().expected); }

constexpr double Pct(int percentage) { return percentage * kPercentFactor; }
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Text, CvtTable, testing::Values(
    CvtRow{"Pct0", Pct(0), 0}, CvtRow{"Pct1", Pct(1), 3}, CvtRow{"Pct2", Pct(2), 5}, CvtRow{"Pct10", Pct(10), 26},
    CvtRow{"Pct20", Pct(20), 51}, CvtRow{"Pct40", Pct(40), 102}, CvtRow{"Pct50", Pct(50), 127},
    CvtRow{"Pct60", Pct(60), 153}, CvtRow{"Pct80", Pct(80), 204}, CvtRow{"Pct99", Pct(99), 252},
    CvtRow{"Pct100", Pct(100), 255}, CvtRow{"Pct101", Pct(101), 258}, CvtRow{"Pct150", Pct(150), 383},
    CvtRow{"PctMinus5", Pct(-5), -13}, CvtRow{"NegativeHalf", -0.5, -1}, CvtRow{"SmallNegative", -0.4, 0},
    CvtRow{"LargestBelowMax", 2147483646.5, 2147483647}, CvtRow{"HalfAboveMax", 2147483647.5, 2147483647},
    CvtRow{"FarAbove", 1e10, 2147483647}, CvtRow{"FarBelow", -1e10, -2147483647 - 1},
    CvtRow{"Infinity", kInf, 2147483647}, CvtRow{"NegativeInfinity", -kInf, -2147483647 - 1},
    CvtRow{"NaN", kNaN, 0}),
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

// ---- Strings ----

TEST(Text, AddStringKeepsEmbeddedNul)
{
    EXPECT_EQ(RuntimeAddString(std::string_view("a\0b", 3), "c"), std::string("a\0bc", 4));
}

TEST(Text, StringCompareFoldsAsciiCaseOnly)
{
    EXPECT_EQ(RuntimeStringCompare("Width", "wIDTH"), 0);
    EXPECT_EQ(RuntimeStringCompare("", ""), 0);
    EXPECT_LT(RuntimeStringCompare("a", "B"), 0);
    EXPECT_GT(RuntimeStringCompare("b", "A"), 0);
    EXPECT_LT(RuntimeStringCompare("ab", "AbC"), 0);
    EXPECT_GT(RuntimeStringCompare("abc", "AB"), 0);
    EXPECT_NE(RuntimeStringCompare("\xC3\x84", "\xC3\xA4"), 0);  // bytes beyond ASCII are not folded
}

// ---- Exceptions ----

TEST(Exceptions, StreamExceptionNamesOffsetAndProperty)
{
    const PropertyStreamException e(17, "Width", "value cut short");
    EXPECT_STREQ(e.what(), "PropertyStreamException at byte 17 (property \"Width\"): value cut short");
    EXPECT_EQ(e.Offset(), 17u);
    EXPECT_EQ(e.Property(), "Width");
}

TEST(Exceptions, NilPointerRaisesNilObjectException)
{
    int* nothing = nullptr;
    EXPECT_THROW(NotNil(nothing), NilObjectException);
    int value = 3;
    EXPECT_EQ(&NotNil(&value), &value);
}

}  // namespace
