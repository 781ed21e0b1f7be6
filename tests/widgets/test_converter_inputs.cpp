// Every input of a channel row, typed, keyed and clicked for real, and the
// slider handler that carries a value across its row.

#include <algorithm>
#include <map>

#include "test_converter_support.h"

namespace {

using namespace converter_test;

class ConverterInputs : public ConverterTest {
protected:
    // The row follows its slider: texts, channel value and the swatch.
    void ExpectRow(const Row& row, int value, const char* percent, const char* pair)
    {
        EXPECT_EQ(SliderOf(row).Value(), value);
        EXPECT_EQ(W().*row.channel, value);
        EXPECT_EQ(Field(row.valueField).Text(), std::to_string(value));
        EXPECT_EQ(Field(row.percentField).Text(), percent);
        EXPECT_EQ(Field(row.hexField).Text(), pair);
        EXPECT_EQ(W().rgbcolor().FillColor(), Rgb(W().n, W().p, W().r));
    }
};

TEST_F(ConverterInputs, MovingASliderWithTheKeyboardRewritesItsRowOnly)
{
    // value: the percent and the pair that the row shows
    const std::map<int, std::pair<const char*, const char*>> shown{
        {1, {"0%", "01"}},     {2, {"1%", "02"}},     {10, {"4%", "0A"}},    {15, {"6%", "0F"}},
        {16, {"6%", "10"}},    {127, {"50%", "7F"}},  {128, {"50%", "80"}},  {129, {"51%", "81"}},
        {253, {"99%", "FD"}},  {254, {"100%", "FE"}}, {255, {"100%", "FF"}}, {0, {"0%", "00"}}};
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        SliderOf(row).SetFocus();
        for (int value = 1; value <= 256; ++value) {
            PressKey(SliderOf(row), value < 256 ? Qt::Key_Right : Qt::Key_Home);
            const auto it = shown.find(value % 256);
            if (it != shown.end()) ExpectRow(row, value % 256, it->second.first, it->second.second);
            const auto texts = AllTexts();
            EXPECT_EQ(std::count(texts.begin(), texts.end(), "00"), value % 256 ? 2 : 3) << "the other rows stay";
        }
    }
}

enum class Kind { Value, Percent, Hex };

// Typed into a field over a value of 77; percentage: as the percent field read it.
struct Entry { const char* name; Kind kind; const char* text; int value; const char *percent, *pair;
               int beeps = 0, percentage = 0; };

class ConverterEntry : public ConverterInputs, public ::testing::WithParamInterface<Entry> {};

TEST_P(ConverterEntry, ReadsTheFieldWhenTheFocusLeavesIt)
{
    const Entry& e = GetParam();
    if (e.kind == Kind::Percent) testing_support::Click(W().centopt());
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        SliderOf(row).SetValue(77);
        services().beeps = 0;
        Enter(e.kind == Kind::Value ? row.valueField : e.kind == Kind::Percent ? row.percentField : row.hexField,
              e.text);
        EXPECT_EQ(services().beeps, e.beeps);
        if (e.kind == Kind::Percent) {
            EXPECT_EQ(W().*row.percentage, e.percentage) << "kept as read, even over 100";
        }
        ExpectRow(row, e.value, e.percent, e.pair);
    }
}

INSTANTIATE_TEST_SUITE_P(Typed, ConverterEntry, ::testing::Values(
    Entry{"ValueLetters", Kind::Value, "abc", 0, "0%", "00"}, Entry{"ValueEmpty", Kind::Value, "", 0, "0%", "00"},
    Entry{"ValueTrailingLetter", Kind::Value, "12a", 12, "5%", "0C"},
    Entry{"ValueNegative", Kind::Value, "-5", 0, "0%", "00"},
    Entry{"ValueOver255", Kind::Value, "300", 255, "100%", "FF"},
    Entry{"ValueFraction", Kind::Value, "1.5", 2, "1%", "02"},
    Entry{"ValueExponent", Kind::Value, "1e2", 100, "39%", "64"},
    Entry{"ValueFourthDigitRefused", Kind::Value, "1234", 123, "48%", "7B"},
    Entry{"PercentHalf", Kind::Percent, "50", 127, "50%", "7F", 0, 50},
    Entry{"PercentFull", Kind::Percent, "100", 255, "100%", "FF", 0, 100},
    Entry{"PercentOver100Beeps", Kind::Percent, "150", 255, "100%", "FF", 1, 150},
    Entry{"Percent101IsTheFirstToBeep", Kind::Percent, "101", 255, "100%", "FF", 1, 101},
    Entry{"PercentFourthDigitRefused", Kind::Percent, "1001", 255, "100%", "FF", 0, 100},
    Entry{"PercentFraction", Kind::Percent, "1.5", 5, "2%", "05", 0, 2},
    Entry{"HexLowerCase", Kind::Hex, "ff", 255, "100%", "FF"}, Entry{"HexOneDigit", Kind::Hex, "a", 10, "4%", "0A"},
    Entry{"HexNotHex", Kind::Hex, "zz", 0, "0%", "00"},
    Entry{"HexThirdDigitRefused", Kind::Hex, "abc", 171, "67%", "AB"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ConverterInputs, LeavingAPercentFieldRereadsItsRoundedText)
{
    Enter("Rededit", "128");
    testing_support::Click(W().centopt());
    ASSERT_EQ(Focused(), "redpcnt");
    testing_support::PressTab();
    // 50 % is 127.49999999999999.
    EXPECT_EQ(W().redslide().Value(), 127);
    EXPECT_EQ(W().Rededit().Text(), "127");
}

TEST_F(ConverterInputs, ArrowsStepByOneAndStopAtTheSlidersEnds)
{
    // start, arrow, value after it, percent and pair shown
    struct Step { int from; bool up; int to; const char *percent, *pair; };
    const Step steps[] = {{10, true, 11, "4%", "0B"}, {10, false, 9, "4%", "09"}, {255, true, 255, "100%", "FF"},
                          {0, false, 0, "0%", "00"}};
    for (const Row& row : kRows) {
        auto& arrows = fw::ControlOf<fw::UpDownArrows>(W(), row.arrows);
        for (const Step& step : steps) {
            SCOPED_TRACE(std::string(row.name) + " from " + std::to_string(step.from));
            SliderOf(row).SetValue(step.from);
            QTest::mouseClick(step.up ? arrows.UpButton() : arrows.DownButton(), Qt::LeftButton);
            ExpectRow(row, step.to, step.percent, step.pair);
        }
    }
    EXPECT_EQ(Focused(), "Rededit") << "the arrows take no focus";
    // Held down, an arrow goes on stepping.
    QTest::mousePress(W().LittleArrows1().UpButton(), Qt::LeftButton);
    QTest::qWait(500);
    QTest::mouseRelease(W().LittleArrows1().UpButton(), Qt::LeftButton);
    EXPECT_GT(W().redslide().Value(), 2);
}

}  // namespace
