// The converter's buttons, clicked for real: Compare and Convert, the colour
// picker, the percent mode switch and Reset.

#include "test_converter_support.h"

namespace {

using namespace converter_test;

using ConverterCommands = ConverterTest;

fw::Color ColourOf(const std::array<int, 3>& c) { return Rgb(c[0], c[1], c[2]); }

TEST_F(ConverterCommands, CompareShowsTheWebSafeColourAndConvertMakesItTheCurrentOne)
{
    struct Case { const char* name; std::array<int, 3> colour, levels; const char* caption; };
    const Case cases[] = {
        {"mixed", {127, 200, 10}, {102, 204, 0}, "SAFE-66CC00"},
        {"just below the limits", {77, 128, 230}, {51, 102, 204}, "SAFE-3366CC"},
        {"on the limits", {78, 129, 231}, {102, 153, 255}, "SAFE-6699FF"},
        {"either side of the first limit", {25, 26, 179}, {0, 51, 153}, "SAFE-003399"},
        {"either side of 180, and the top", {179, 180, 255}, {153, 204, 255}, "SAFE-99CCFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The blue field is still being typed in when the button is clicked.
        Enter("Rededit", std::to_string(c.colour[0]));
        Enter("greenedit", std::to_string(c.colour[1]));
        Type("blueedit", std::to_string(c.colour[2]));
        testing_support::Click(W().websafe());
        EXPECT_EQ(Channels(), c.colour);
        const auto texts = AllTexts();
        testing_support::Click(W().websafe());
        EXPECT_EQ(AllTexts(), texts) << "Compare changes no field";
        EXPECT_EQ(W().webtxt().Text(), c.caption);
        EXPECT_EQ(W().hexcolor().FillColor(), ColourOf(c.levels));
        EXPECT_EQ("SAFE-" + W().s + W().t + W().v, c.caption);
        EXPECT_EQ(W().rgbcolor().FillColor(), ColourOf(c.colour));
        EXPECT_EQ(Focused(), "");

        testing_support::Click(W().convert());
        EXPECT_EQ(W().rgbcolor().FillColor(), ColourOf(c.levels));
        EXPECT_EQ(Channels(), c.levels);
        EXPECT_EQ(Focused(), "");
    }
    EnterColour(127, 200, 10);
    testing_support::Click(W().convert());
    EXPECT_EQ(AllTexts(), (std::vector<std::string>{"102", "40%", "66", "204", "80%", "CC", "0", "0%", "00"}));
}

// The picker button takes no focus, so typing in a field is never committed:
// the picker's answer, or on Cancel the current colour, replaces it.
TEST_F(ConverterCommands, ThePickerStartsFromTheCurrentColourAndItsAnswerOrTheColourAgainBecomesIt)
{
    EnterColour(1, 2, 3);
    Type("Rededit", "99");
    services().pickerAnswer = Rgb(18, 52, 86);
    testing_support::Click(W().choosecolor());
    EXPECT_EQ(services().pickerCalls.back(), std::pair(Rgb(1, 2, 3), std::string("Select a Color")));
    const std::vector<std::string> texts{"18", "7%", "12", "52", "20%", "34", "86", "34%", "56"};
    EXPECT_EQ(AllTexts(), texts);
    EXPECT_EQ(W().rgbcolor().FillColor(), Rgb(18, 52, 86));
    Type("greenedit", "99");
    services().pickerAnswer.reset();
    testing_support::Click(W().choosecolor());
    EXPECT_EQ(services().pickerCalls.back().first, Rgb(18, 52, 86));
    EXPECT_EQ(AllTexts(), texts);
    EXPECT_EQ(Channels(), (std::array<int, 3>{18, 52, 86}));
    EXPECT_EQ(Focused(), "");
}

TEST_F(ConverterCommands, TickingAndUntickingPercentSwapsTheFieldsAndRestoresThem)
{
    EnterColour(51, 102, 204);  // levels whose percentages read back exactly
    const auto texts = AllTexts();
    for (const bool percentMode : {true, false}) {
        testing_support::Click(W().centopt());
        for (const Row& row : kRows) {
            for (const char* name : {row.valueField, row.percentField}) {
                const bool shown = (name == row.percentField) == percentMode;
                EXPECT_EQ(std::pair(Field(name).Left(), Field(name).Widget()->isVisible()), std::pair(shown ? 58 : 207, shown))
                    << name;
            }
        }
        EXPECT_EQ(Focused(), percentMode ? "redpcnt" : "Rededit");
        EXPECT_EQ(AllTexts(), texts);
    }
}

// Regression: Reset cleared the focus from a percent field, which then read
// back the "0%" just written and lost the percentage typed before.
TEST_F(ConverterCommands, ResetReturnsToBlackFromTheButtonOrTheMenuAndKeepsTheModeAndPercentagesTyped)
{
    for (const bool menuInPercentMode : {false, true}) {
        SCOPED_TRACE(menuInPercentMode ? "menu in percent mode" : "button");
        EnterColour(128, 64, 255);
        testing_support::Click(W().websafe());
        if (menuInPercentMode) {
            testing_support::Click(W().centopt());
            Enter("redpcnt", "30");
            Enter("grnpcnt", "40");
            testing_support::Click(W().redpcnt());
        }
        const std::array<int, 3> percentages{W().x, W().y, W().z};
        if (menuInPercentMode) Choose(QStringLiteral("Reset"));
        else testing_support::Click(W().resetter());
        EXPECT_EQ(AllTexts(), kZeroTexts);
        EXPECT_EQ(Channels(), (std::array<int, 3>{0, 0, 0}));
        EXPECT_EQ(W().s + W().t + W().v, "000000");
        EXPECT_EQ(W().rgbcolor().FillColor(), Rgb(0, 0, 0));
        EXPECT_EQ(W().hexcolor().FillColor(), Rgb(255, 255, 255));
        EXPECT_EQ(W().webtxt().Text(), "SAFE-FFFFFF");
        EXPECT_EQ((std::array<int, 3>{W().x, W().y, W().z}), percentages);
        EXPECT_EQ(W().redpcnt().Widget()->isVisible(), menuInPercentMode);
        EXPECT_EQ(Focused(), "");
    }
}

// Regression: a percent field holding the focus read back the percentage that
// the picker had just written, so a picked 128 came out as 127, and Cancel
// moved the slider the same way.
TEST_F(ConverterCommands, ThePickerInPercentModeAppliesEveryValueExactlyAndCancelMovesNothing)
{
    testing_support::Click(W().centopt());
    for (const Row& row : kRows) {
        for (int value = 0; value < 256; ++value) {
            const std::array<int, 3> colour{value, value, value};
            for (const bool cancel : {false, true}) {
                testing_support::Click(Field(row.percentField));
                services().pickerAnswer = cancel ? std::nullopt : std::optional(ColourOf(colour));
                testing_support::Click(W().choosecolor());
                ASSERT_EQ(Channels(), colour) << row.name << (cancel ? " cancelled at " : " picked ") << value;
            }
        }
    }
}

// Regression: after Reset in percent mode, switching windows gave the focus to
// a button, and Space then pressed it.
TEST_F(ConverterCommands, SwitchingBackInPercentModeFocusesOnlyTheControlThatHadTheFocus)
{
    testing_support::Click(W().hexanswer2());
    testing_support::SwitchAwayAndBack(W());
    EXPECT_EQ(Focused(), "Rededit") << "activation asks for the red 0-255 field";
    testing_support::Click(W().centopt());
    testing_support::Click(W().grnpcnt());
    testing_support::SwitchAwayAndBack(W());
    testing_support::SwitchAwayAndBack(W());
    EXPECT_EQ(Focused(), "grnpcnt") << "the hidden red 0-255 field asked for cannot take it";
    Choose(QStringLiteral("Reset"));
    testing_support::SwitchAwayAndBack(W());
    EXPECT_EQ(Focused(), "");
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(W().webtxt().Text(), "SAFE-FFFFFF") << "Space pressed a web-safe button";
}

}  // namespace
