#include "Streams.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

#include "ControlStreams.h"

namespace Plumivard {

namespace {

using namespace fw::streams;

constexpr auto kWindow =
    fw::MakeStream([] { return Write(WindowRecords{.width = 194, .height = 358, .title = "PLUMIVARD"}); });

// Entry fields: the percent and 0-255 fields share a row's place, only one
// of them shown; the hexadecimal fields are the narrow right-aligned ones.
constexpr TextFieldRecords Field(std::string_view name, std::int32_t left, std::int32_t top, std::int32_t width,
                                 std::int32_t tabIndex, bool visible, std::int32_t limitText, std::int32_t alignment)
{
    return {.control = {.name = name, .left = left, .top = top, .width = width, .height = 22},
            .tabIndex = tabIndex,
            .visible = visible,
            .limitText = limitText,
            .alignment = alignment};
}

constexpr RectangleRecords Swatch(std::string_view name, std::int32_t left, std::int32_t width)
{
    return {.control = {.name = name, .left = left, .top = -2, .width = width, .height = 45}};
}

constexpr PushButtonRecords Button(std::string_view name, std::int32_t left, std::int32_t top, std::int32_t width,
                                   std::int32_t tabIndex, std::string_view caption, std::string_view parent)
{
    return {.control = {.name = name, .left = left, .top = top, .width = width, .height = 20},
            .tabIndex = tabIndex,
            .caption = caption,
            .initialParent = parent};
}

constexpr StaticTextRecords Label(std::string_view name, std::int32_t left, std::int32_t top, std::int32_t width,
                                  std::int32_t tabIndex, std::string_view text, std::int32_t textAlign)
{
    return {.control = {.name = name, .left = left, .top = top, .width = width, .height = 16},
            .tabIndex = tabIndex,
            .text = text,
            .textAlign = textAlign};
}

constexpr SliderRecords ChannelSlider(std::string_view name, std::int32_t top, std::int32_t tabIndex)
{
    return {.control = {.name = name, .left = 45, .top = top, .width = 103, .height = 16},
            .tabIndex = tabIndex,
            .maximum = 255};
}

constexpr UpDownArrowsRecords Arrows(std::string_view name, std::int32_t top, std::int32_t tabIndex)
{
    return {.control = {.name = name, .left = 148, .top = top, .width = 13, .height = 23},
            .tabIndex = tabIndex};
}

constexpr auto kRedpcnt = fw::MakeStream([] { return Write(Field("redpcnt", 207, 66, 78, 1, false, 3, 0)); });
constexpr auto kGrnpcnt = fw::MakeStream([] { return Write(Field("grnpcnt", 207, 120, 78, 2, false, 3, 0)); });
constexpr auto kBlupcnt = fw::MakeStream([] { return Write(Field("blupcnt", 207, 176, 78, 3, false, 3, 0)); });
constexpr auto kHexanswer1 = fw::MakeStream([] { return Write(Field("hexanswer1", 57, 233, 26, 7, true, 2, 2)); });
constexpr auto kHexcolor = fw::MakeStream([] { return Write(Swatch("hexcolor", 96, 99)); });
constexpr auto kRgbcolor = fw::MakeStream([] { return Write(Swatch("rgbcolor", -1, 98)); });
constexpr auto kGroupBox1 = fw::MakeStream([] {
    return Write(GroupBoxRecords{
        .control = {.name = "GroupBox1", .left = 10, .top = 295, .width = 175, .height = 52},
        .tabIndex = 10,
        .caption = "WebSafe"});
});
// Inside the group box, though placed in window coordinates.
constexpr auto kConvert =
    fw::MakeStream([] { return Write(Button("convert", 18, 317, 75, 0, "Convert", "GroupBox1")); });
constexpr auto kWebsafe =
    fw::MakeStream([] { return Write(Button("websafe", 102, 317, 75, 1, "Compare", "GroupBox1")); });
constexpr auto kStaticText1 = fw::MakeStream([] { return Write(Label("StaticText1", 10, 69, 60, 11, "Red", 0)); });
constexpr auto kStaticText2 = fw::MakeStream([] { return Write(Label("StaticText2", 10, 123, 60, 12, "Green", 0)); });
constexpr auto kStaticText3 = fw::MakeStream([] { return Write(Label("StaticText3", 10, 179, 60, 13, "Blue", 0)); });
constexpr auto kStaticText4 = fw::MakeStream([] { return Write(Label("StaticText4", 10, 236, 43, 14, "Hex #", 0)); });
constexpr auto kRedslide = fw::MakeStream([] { return Write(ChannelSlider("redslide", 92, 15)); });
constexpr auto kGreenslide = fw::MakeStream([] { return Write(ChannelSlider("greenslide", 147, 16)); });
constexpr auto kBluslide = fw::MakeStream([] { return Write(ChannelSlider("bluslide", 203, 17)); });
constexpr auto kStaticText5 = fw::MakeStream([] { return Write(Label("StaticText5", 3, 46, 90, 18, "RGB", 1)); });
constexpr auto kWebtxt = fw::MakeStream([] { return Write(Label("webtxt", 95, 46, 94, 19, "SAFE-FFFFFF", 1)); });
constexpr auto kChoosecolor = fw::MakeStream([] {
    return Write(BevelButtonRecords{
        .control = {.name = "choosecolor", .left = 158, .top = 262, .width = 22, .height = 22},
        .tabIndex = 21,
        .caption = "",
        .iconAlign = 1});
});
constexpr auto kCentopt = fw::MakeStream([] {
    return Write(CheckBoxRecords{
        .control = {.name = "centopt", .left = 9, .top = 263, .width = 32, .height = 20},
        .tabIndex = 22,
        .caption = "%"});
});
constexpr auto kResetter = fw::MakeStream([] { return Write(Button("resetter", 56, 263, 80, 24, "Reset", "")); });
constexpr auto kLittleArrows1 = fw::MakeStream([] { return Write(Arrows("LittleArrows1", 66, 25)); });
constexpr auto kLittleArrows2 = fw::MakeStream([] { return Write(Arrows("LittleArrows2", 120, 26)); });
constexpr auto kLittleArrows3 = fw::MakeStream([] { return Write(Arrows("LittleArrows3", 176, 27)); });
constexpr auto kHexanswer2 = fw::MakeStream([] { return Write(Field("hexanswer2", 83, 233, 26, 8, true, 2, 2)); });
constexpr auto kHexanswer3 = fw::MakeStream([] { return Write(Field("hexanswer3", 109, 233, 26, 9, true, 2, 2)); });
constexpr auto kBlueedit = fw::MakeStream([] { return Write(Field("blueedit", 58, 176, 78, 6, true, 3, 0)); });
constexpr auto kGreenedit = fw::MakeStream([] { return Write(Field("greenedit", 58, 120, 78, 5, true, 3, 0)); });
constexpr auto kRededit = fw::MakeStream([] { return Write(Field("Rededit", 58, 66, 78, 4, true, 3, 0)); });

// In creation order.
constexpr std::array<std::pair<std::string_view, std::string_view>, 29> kControlStreams{{
    {"redpcnt", kRedpcnt},
    {"grnpcnt", kGrnpcnt},
    {"blupcnt", kBlupcnt},
    {"hexanswer1", kHexanswer1},
    {"hexcolor", kHexcolor},
    {"rgbcolor", kRgbcolor},
    {"GroupBox1", kGroupBox1},
    {"convert", kConvert},
    {"websafe", kWebsafe},
    {"StaticText1", kStaticText1},
    {"StaticText2", kStaticText2},
    {"StaticText3", kStaticText3},
    {"StaticText4", kStaticText4},
    {"redslide", kRedslide},
    {"greenslide", kGreenslide},
    {"bluslide", kBluslide},
    {"StaticText5", kStaticText5},
    {"webtxt", kWebtxt},
    {"choosecolor", kChoosecolor},
    {"centopt", kCentopt},
    {"resetter", kResetter},
    {"LittleArrows1", kLittleArrows1},
    {"LittleArrows2", kLittleArrows2},
    {"LittleArrows3", kLittleArrows3},
    {"hexanswer2", kHexanswer2},
    {"hexanswer3", kHexanswer3},
    {"blueedit", kBlueedit},
    {"greenedit", kGreenedit},
    {"Rededit", kRededit},
}};

}  // namespace

std::string_view WindowStream()
{
    return kWindow;
}

std::string_view ControlStream(std::string_view name)
{
    for (const auto& [control, stream] : kControlStreams) {
        if (control == name) return stream;
    }
    throw std::out_of_range("no property stream for a control named " + std::string(name));
}

}  // namespace Plumivard
