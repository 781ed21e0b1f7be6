// Every input of a channel row, typed, keyed and clicked for real, and the
// slider handler that carries a value across its row.

#include <algorithm>

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
        EXPECT_EQ(W().rgbcolor().FillColor(), fw::RGB(W().n, W().p, W().r));
    }
};

struct Typed {
    const char* text;
    int value;
    const char *percent, *pair;
};

TEST_F(ConverterInputs, OpensBlackAtZeroWithAWhiteWebSafeSwatchAndTheFocusInTheRedField)
{
    EXPECT_EQ(AllTexts(), (std::vector<std::string>{"0", "0%", "00", "0", "0%", "00", "0", "0%", "00"}));
    EXPECT_EQ(W().s + W().t + W().v, "000000");
    EXPECT_EQ(W().rgbcolor().FillColor(), fw::RGB(0, 0, 0));
    EXPECT_EQ(W().hexcolor().FillColor(), fw::RGB(255, 255, 255));
    EXPECT_EQ(W().webtxt().Text(), "SAFE-FFFFFF");
    EXPECT_FALSE(W().centopt().Value());
    EXPECT_EQ(Focused(), "Rededit");
}

TEST_F(ConverterInputs, MovingASliderWithTheKeyboardRewritesItsRowOnly)
{
    const Typed shown[] = {{"", 1, "0%", "01"},     {"", 2, "1%", "02"},     {"", 10, "4%", "0A"},
                           {"", 15, "6%", "0F"},    {"", 16, "6%", "10"},    {"", 127, "50%", "7F"},
                           {"", 128, "50%", "80"},  {"", 129, "51%", "81"},  {"", 253, "99%", "FD"},
                           {"", 254, "100%", "FE"}, {"", 255, "100%", "FF"}};
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        fw::Slider& slider = SliderOf(row);
        slider.SetFocus();
        const Typed* next = std::begin(shown);
        for (int value = 1; value <= 255; ++value) {
            PressKey(slider, Qt::Key_Right);
            if (next != std::end(shown) && next->value == value) {
                ExpectRow(row, value, next->percent, next->pair);
                ++next;
            }
        }
        const auto texts = AllTexts();
        for (const char* zero : {"0", "0%", "00"}) {
            EXPECT_EQ(std::count(texts.begin(), texts.end(), zero), 2) << "the other rows stay at 0";
        }
        EXPECT_EQ(W().webtxt().Text(), "SAFE-FFFFFF");
        PressKey(slider, Qt::Key_Home);
        ExpectRow(row, 0, "0%", "00");
    }
}

TEST_F(ConverterInputs, TheValueFieldTakesWhatItReadsAndTheSliderLimitsIt)
{
    const Typed cases[] = {{"128", 128, "50%", "80"}, {"300", 255, "100%", "FF"}, {"-5", 0, "0%", "00"},
                           {"abc", 0, "0%", "00"},    {"", 0, "0%", "00"},        {"12a", 12, "5%", "0C"},
                           {"1.5", 2, "1%", "02"},    {"1e2", 100, "39%", "64"},  {"1234", 123, "48%", "7B"}};
    for (const Row& row : kRows) {
        for (const Typed& c : cases) {
            SCOPED_TRACE(std::string(row.name) + " \"" + c.text + "\"");
            SliderOf(row).SetValue(77);
            Enter(row.valueField, c.text);
            ExpectRow(row, c.value, c.percent, c.pair);
        }
    }
    EXPECT_EQ(services().beeps, 0);
}

TEST_F(ConverterInputs, ThePercentFieldBeepsOver100AndMultipliesBy255Hundredths)
{
    struct Case {
        Typed typed;
        int percentage, beeps;
    };
    const Case cases[] = {
        {{"50", 127, "50%", "7F"}, 50, 0},    {{"100", 255, "100%", "FF"}, 100, 0},
        {{"101", 255, "100%", "FF"}, 101, 1}, {{"150", 255, "100%", "FF"}, 150, 1},
        {{"-5", 0, "0%", "00"}, -5, 0},       {{"1.5", 5, "2%", "05"}, 2, 0},
        {{"10", 26, "10%", "1A"}, 10, 0},     {{"abc", 0, "0%", "00"}, 0, 0},
        {{"1e2", 255, "100%", "FF"}, 100, 0}, {{"", 0, "0%", "00"}, 0, 0},
    };
    testing_support::Click(W().centopt());
    for (const Row& row : kRows) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(row.name) + " \"" + c.typed.text + "\"");
            SliderOf(row).SetValue(77);
            services().beeps = 0;
            Enter(row.percentField, c.typed.text);
            EXPECT_EQ(services().beeps, c.beeps);
            EXPECT_EQ(W().*row.percentage, c.percentage) << "kept as read, even over 100";
            ExpectRow(row, c.typed.value, c.typed.percent, c.typed.pair);
        }
    }
}

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

TEST_F(ConverterInputs, TheHexFieldReadsHexadecimalDigitsOfEitherCase)
{
    const Typed cases[] = {{"a", 10, "4%", "0A"}, {"ff", 255, "100%", "FF"}, {"7", 7, "3%", "07"},
                           {"zz", 0, "0%", "00"}, {"", 0, "0%", "00"},       {"-1", 0, "0%", "00"},
                           {"abc", 171, "67%", "AB"}};
    for (const Row& row : kRows) {
        for (const Typed& c : cases) {
            SCOPED_TRACE(std::string(row.name) + " \"" + c.text + "\"");
            SliderOf(row).SetValue(77);
            Enter(row.hexField, c.text);
            ExpectRow(row, c.value, c.percent, c.pair);
        }
    }
}

TEST_F(ConverterInputs, ArrowsStepByOneAndStopAtTheSlidersEnds)
{
    const auto press = [](QWidget* half) {
        QTest::mouseClick(half, Qt::LeftButton);
        fw::RuntimeThrowPendingException();
    };
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        auto& arrows = fw::ControlOf<fw::UpDownArrows>(W(), row.arrows);
        SliderOf(row).SetValue(10);
        press(arrows.UpButton());
        ExpectRow(row, 11, "4%", "0B");
        press(arrows.DownButton());
        press(arrows.DownButton());
        ExpectRow(row, 9, "4%", "09");
        SliderOf(row).SetValue(255);
        press(arrows.UpButton());
        ExpectRow(row, 255, "100%", "FF");
        SliderOf(row).SetValue(0);
        press(arrows.DownButton());
        ExpectRow(row, 0, "0%", "00");
    }
    EXPECT_EQ(Focused(), "Rededit") << "the arrows take no focus";
}

}  // namespace
