// The converter's buttons, clicked for real: Compare and Convert, the colour
// picker, the percent mode switch and Reset.

#include "test_converter_support.h"

namespace {

using namespace converter_test;

using ConverterCommands = ConverterTest;

struct WebSafeCase {
    const char* name;
    std::array<int, 3> colour, levels;
    const char* caption;
};

const WebSafeCase kWebSafeCases[] = {
    {"mixed", {127, 200, 10}, {102, 204, 0}, "SAFE-66CC00"},
    {"black", {0, 0, 0}, {0, 0, 0}, "SAFE-000000"},
    {"white", {255, 255, 255}, {255, 255, 255}, "SAFE-FFFFFF"},
    {"just below the limits", {77, 128, 230}, {51, 102, 204}, "SAFE-3366CC"},
    {"on the limits", {78, 129, 231}, {102, 153, 255}, "SAFE-6699FF"},
    {"either side of the first limit", {25, 26, 179}, {0, 51, 153}, "SAFE-003399"},
};

fw::Color ColourOf(const std::array<int, 3>& c)
{
    return fw::RGB(c[0], c[1], c[2]);
}

TEST_F(ConverterCommands, CompareShowsTheWebSafeColourAndConvertMakesItTheCurrentOne)
{
    for (const WebSafeCase& c : kWebSafeCases) {
        SCOPED_TRACE(c.name);
        // The blue field is still being typed in when the button is clicked.
        Enter("Rededit", std::to_string(c.colour[0]));
        Enter("greenedit", std::to_string(c.colour[1]));
        Type("blueedit", std::to_string(c.colour[2]));
        testing_support::Click(W().websafe());
        EXPECT_EQ(Channels(), c.colour);
        const auto texts = AllTexts();
        testing_support::Click(W().websafe());
        EXPECT_EQ(W().webtxt().Text(), c.caption);
        EXPECT_EQ(W().hexcolor().FillColor(), ColourOf(c.levels));
        EXPECT_EQ("SAFE-" + W().s + W().t + W().v, c.caption);
        EXPECT_EQ(AllTexts(), texts) << "Compare changes no field";
        EXPECT_EQ(W().rgbcolor().FillColor(), ColourOf(c.colour));
        EXPECT_EQ(Focused(), "");

        testing_support::Click(W().convert());
        EXPECT_EQ(W().webtxt().Text(), c.caption);
        EXPECT_EQ(W().rgbcolor().FillColor(), ColourOf(c.levels));
        EXPECT_EQ(Channels(), c.levels);
        EXPECT_EQ(W().bluslide().Value(), c.levels[2]);
        EXPECT_EQ(Focused(), "");
    }
    EnterColour(127, 200, 10);
    testing_support::Click(W().convert());
    EXPECT_EQ(AllTexts(), (std::vector<std::string>{"102", "40%", "66", "204", "80%", "CC", "0", "0%", "00"}));
    // The web-safe swatch keeps its result while the colour moves on.
    W().redslide().SetFocus();
    PressKey(W().redslide(), Qt::Key_Left);
    EXPECT_EQ(W().webtxt().Text(), "SAFE-66CC00");
    EXPECT_EQ(W().hexcolor().FillColor(), fw::RGB(102, 204, 0));
}

TEST_F(ConverterCommands, ThePickerStartsFromTheCurrentColourAndItsAnswerBecomesIt)
{
    const std::pair<std::array<int, 3>, std::vector<std::string>> cases[] = {
        {{18, 52, 86}, {"18", "7%", "12", "52", "20%", "34", "86", "34%", "56"}},
        {{12, 34, 56}, {"12", "5%", "0C", "34", "13%", "22", "56", "22%", "38"}},
    };
    for (const auto& [chosen, texts] : cases) {
        SCOPED_TRACE(texts[0]);
        EnterColour(1, 2, 3);
        services().pickerAnswer = ColourOf(chosen);
        testing_support::Click(W().choosecolor());
        ASSERT_FALSE(services().pickerCalls.empty());
        EXPECT_EQ(services().pickerCalls.back(), std::pair(fw::RGB(1, 2, 3), std::string("Select a Color")));
        EXPECT_EQ(AllTexts(), texts);
        EXPECT_EQ(Channels(), chosen);
        EXPECT_EQ(W().rgbcolor().FillColor(), ColourOf(chosen));
        EXPECT_EQ(Focused(), "");
    }
}

TEST_F(ConverterCommands, CancellingThePickerAppliesTheCurrentColourAgainOverUncommittedTyping)
{
    EnterColour(127, 200, 10);
    const auto texts = AllTexts();
    // The picker button takes no focus, so this typing is never committed.
    Type("Rededit", "99");
    testing_support::Click(W().choosecolor());
    EXPECT_EQ(services().pickerCalls.back().first, fw::RGB(127, 200, 10));
    EXPECT_EQ(AllTexts(), texts);
    EXPECT_EQ(Channels(), (std::array<int, 3>{127, 200, 10}));
    EXPECT_EQ(Focused(), "");
}

TEST_F(ConverterCommands, TickingAndUntickingPercentSwapsTheFieldsAndRestoresThem)
{
    // Levels whose percentages read back exactly.
    EnterColour(51, 102, 204);
    const auto texts = AllTexts();
    const auto places = [this](bool percentMode) {
        for (const Row& row : kRows) {
            SCOPED_TRACE(row.name);
            const std::pair<const char*, bool> fields[] = {{row.valueField, !percentMode},
                                                           {row.percentField, percentMode}};
            for (const auto& [name, shown] : fields) {
                EXPECT_EQ(Field(name).Left(), shown ? 58 : 207) << name;
                EXPECT_EQ(Field(name).Widget()->isVisible(), shown) << name;
            }
        }
    };
    testing_support::Click(W().centopt());
    places(true);
    EXPECT_EQ(Focused(), "redpcnt");
    EXPECT_EQ(AllTexts(), texts);
    testing_support::Click(W().centopt());
    places(false);
    EXPECT_EQ(Focused(), "Rededit");
    EXPECT_EQ(AllTexts(), texts);
}

TEST_F(ConverterCommands, ResetReturnsToBlackAndAWhiteWebSafeSwatchInEitherMode)
{
    for (const bool percentMode : {false, true}) {
        SCOPED_TRACE(percentMode ? "percent mode" : "0-255 mode");
        EnterColour(128, 64, 255);
        if (percentMode) testing_support::Click(W().centopt());
        testing_support::Click(W().websafe());
        const std::array<int, 3> percentages{W().x, W().y, W().z};

        testing_support::Click(W().resetter());
        EXPECT_EQ(AllTexts(), (std::vector<std::string>{"0", "0%", "00", "0", "0%", "00", "0", "0%", "00"}));
        EXPECT_EQ(Channels(), (std::array<int, 3>{0, 0, 0}));
        EXPECT_EQ(W().s + W().t + W().v, "000000");
        EXPECT_EQ(W().rgbcolor().FillColor(), fw::RGB(0, 0, 0));
        EXPECT_EQ(W().hexcolor().FillColor(), fw::RGB(255, 255, 255));
        EXPECT_EQ(W().webtxt().Text(), "SAFE-FFFFFF");
        EXPECT_EQ((std::array<int, 3>{W().x, W().y, W().z}), percentages);
        EXPECT_EQ(W().redpcnt().Widget()->isVisible(), percentMode);
        EXPECT_EQ(Focused(), "");
    }
}

}  // namespace
