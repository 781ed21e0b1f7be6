// The converter window as built: its stream bytes, the 29 controls with the
// settings their streams give, the tab order, the bindings and the picker
// button's icon.

#include <limits>
#include <map>
#include <vector>

#include "app/MenuBar.h"
#include "converter/Streams.h"
#include "test_converter_support.h"

namespace {

using namespace converter_test;
using namespace std::string_view_literals;
using V = fw::PropertyValue;

TEST(ConverterStreams, TheWindowStreamIs276BytesFromPlacementToMacProcID)
{
    const std::string_view stream = Plumivard::WindowStream();
    ASSERT_EQ(stream.size(), 276u);
    EXPECT_EQ(stream.substr(0, 35), "Placement \0\0\0\0Width \0\0\0\xC2Height \0\0\x01\x66"sv);
    EXPECT_NE(stream.find("Title \0\0\0\x09PLUMIVARDVisible \x01"sv), std::string_view::npos);
    EXPECT_NE(stream.find("Resizeable \0LiveResize \x01MaximizeButton \0MinimizeButton \x01"sv),
              std::string_view::npos);
    EXPECT_EQ(stream.substr(stream.size() - 14), "MacProcID \0\0\0\0"sv);
    EXPECT_THROW(Plumivard::ControlStream("UntitledControl"), std::out_of_range);
}

// Stream values that every control of a class shares.
const std::map<std::string_view, std::map<std::string, V>> kShared{
    {"TextField",
     {{"Height", V(22)}, {"Border", V(true)}, {"UseFocusRing", V(false)}, {"BackColor", V(fw::Color{0xFFFFFF})}}},
    {"Rectangle", {{"Top", V(-2)}, {"Height", V(45)}, {"BorderWidth", V(0)}}},
    {"PushButton", {{"Height", V(20)}, {"Default", V(false)}, {"Cancel", V(false)}}},
    {"StaticText", {{"Height", V(16)}, {"Multiline", V(false)}}},
    {"Slider", {{"Left", V(45)}, {"Width", V(103)}, {"Height", V(16)}, {"Maximum", V(255)}, {"PageStep", V(1)}}},
    {"BevelButton",
     {{"CaptionAlign", V(3)}, {"CaptionPlacement", V(1)}, {"IconAlign", V(1)}, {"AcceptFocus", V(false)}}},
    {"CheckBox", {{"Value", V(false)}}},
    {"UpDownArrows", {{"Left", V(148)}, {"Width", V(13)}, {"Height", V(23)}, {"AcceptFocus", V(false)}}},
    {"GroupBox", {}},
};

// The controls in creation order. TabIndex -1: the class has none; text
// size 0: the control shows no text.
struct ControlRow {
    const char *name, *cls;
    std::int32_t left, top, width, height, tabIndex;
    float textSize;
    std::map<std::string, V> own;
};

std::map<std::string, V> Entry(bool visible, int limit, int alignment)
{
    return {{"Visible", V(visible)}, {"LimitText", V(limit)}, {"Alignment", V(alignment)}};
}
std::map<std::string, V> Text(const char* record, const char* text, int align = -1)
{
    std::map<std::string, V> values{{record, V(std::string(text))}};
    if (align >= 0) values.emplace("TextAlign", V(align));
    return values;
}

const std::vector<ControlRow> kControls{
    {"redpcnt", "TextField", 207, 66, 78, 22, 1, 12, Entry(false, 3, 0)},
    {"grnpcnt", "TextField", 207, 120, 78, 22, 2, 12, Entry(false, 3, 0)},
    {"blupcnt", "TextField", 207, 176, 78, 22, 3, 12, Entry(false, 3, 0)},
    {"hexanswer1", "TextField", 57, 233, 26, 22, 7, 12, Entry(true, 2, 2)},
    {"hexcolor", "Rectangle", 96, -2, 99, 45, -1, 0, {{"FillColor", V(fw::Color{0xFFFFFF})}}},
    {"rgbcolor", "Rectangle", -1, -2, 98, 45, -1, 0, {}},
    {"GroupBox1", "GroupBox", 10, 295, 175, 52, 10, 12, Text("Caption", "WebSafe")},
    {"convert", "PushButton", 18, 317, 75, 20, 0, 12, Text("Caption", "Convert")},
    {"websafe", "PushButton", 102, 317, 75, 20, 1, 12, Text("Caption", "Compare")},
    {"StaticText1", "StaticText", 10, 69, 60, 16, 11, 12, Text("Text", "Red", 0)},
    {"StaticText2", "StaticText", 10, 123, 60, 16, 12, 12, Text("Text", "Green", 0)},
    {"StaticText3", "StaticText", 10, 179, 60, 16, 13, 12, Text("Text", "Blue", 0)},
    {"StaticText4", "StaticText", 10, 236, 43, 16, 14, 12, Text("Text", "Hex #", 0)},
    {"redslide", "Slider", 45, 92, 103, 16, 15, 0, {}},
    {"greenslide", "Slider", 45, 147, 103, 16, 16, 0, {}},
    {"bluslide", "Slider", 45, 203, 103, 16, 17, 0, {}},
    {"StaticText5", "StaticText", 3, 46, 90, 16, 18, 9, Text("Text", "RGB", 1)},
    {"webtxt", "StaticText", 95, 46, 94, 16, 19, 9, Text("Text", "SAFE-FFFFFF", 1)},
    {"choosecolor", "BevelButton", 158, 262, 22, 22, 21, 12, Text("Caption", "")},
    {"centopt", "CheckBox", 9, 263, 32, 20, 22, 12, Text("Caption", "%")},
    {"resetter", "PushButton", 56, 263, 80, 20, 24, 12, Text("Caption", "Reset")},
    {"LittleArrows1", "UpDownArrows", 148, 66, 13, 23, 25, 0, {}},
    {"LittleArrows2", "UpDownArrows", 148, 120, 13, 23, 26, 0, {}},
    {"LittleArrows3", "UpDownArrows", 148, 176, 13, 23, 27, 0, {}},
    {"hexanswer2", "TextField", 83, 233, 26, 22, 8, 12, Entry(true, 2, 2)},
    {"hexanswer3", "TextField", 109, 233, 26, 22, 9, 12, Entry(true, 2, 2)},
    {"blueedit", "TextField", 58, 176, 78, 22, 6, 12, Entry(true, 3, 0)},
    {"greenedit", "TextField", 58, 120, 78, 22, 5, 12, Entry(true, 3, 0)},
    {"Rededit", "TextField", 58, 66, 78, 22, 4, 12, Entry(true, 3, 0)},
};

using ConverterLayout = ConverterTest;

TEST_F(ConverterLayout, TheWindowIsTitledSizedAndCarriesTheMenuBar)
{
    EXPECT_EQ(W().Class().name, "Plumivard.Plumivard");
    EXPECT_EQ(W().Title(), "PLUMIVARD");
    EXPECT_EQ(W().Content()->size(), QSize(194, 358));
    EXPECT_EQ(W().GetMenuBar(), &Menu::ImplicitInstance());
    EXPECT_EQ(&Plumivard::ImplicitInstance(), &W()) << "a second call finds the open window";
    EXPECT_EQ(fw::OpenWindows().size(), 1u);
}

TEST_F(ConverterLayout, HasThe29ControlsInCreationOrderWithTheirStreamsSettings)
{
    const auto& controls = W().Controls();
    ASSERT_EQ(controls.size(), kControls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlRow& row = kControls[i];
        const fw::RectControl& control = *controls[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(control.Name(), row.name);
        EXPECT_EQ(control.Class().name, row.cls);
        EXPECT_EQ(control.Widget()->geometry(), QRect(row.left, row.top, row.width, row.height));
        EXPECT_EQ(control.Widget()->isVisible(), row.left != 207);
        std::map<std::string, V> expected = kShared.at(row.cls);
        expected.merge(std::map<std::string, V>(row.own));
        expected.insert({{"Index", V(std::numeric_limits<std::int32_t>::min())}, {"TabPanelIndex", V(0)},
                         {"LockLeft", V(false)}, {"LockBottom", V(false)}, {"Enabled", V(true)},
                         {"HelpTag", V(std::string())}});
        if (row.tabIndex >= 0) expected.emplace("TabIndex", V(row.tabIndex));
        if (row.textSize > 0) expected.emplace("TextFont", V(std::string("System")));
        for (const auto& [name, value] : expected) EXPECT_EQ(control.GetProperty(name), value) << name;
        const auto* text = dynamic_cast<const fw::TextControl*>(&control);
        EXPECT_EQ(text != nullptr ? text->TextSize() : 0.0f, row.textSize);
    }
}

TEST_F(ConverterLayout, EveryHandledEventIsBoundAndNoOtherControlHasHandlers)
{
    std::vector<std::string> bound;
    for (const auto& control : W().Controls()) {
        for (const char* event : {"LostFocus", "Action", "ValueChanged", "Up", "Down"}) {
            if (control->HasHandler(event)) bound.push_back(control->Name() + " " + event);
        }
    }
    const std::vector<std::string> expected{
        "redpcnt LostFocus", "grnpcnt LostFocus", "blupcnt LostFocus", "hexanswer1 LostFocus", "convert Action",
        "websafe Action", "redslide ValueChanged", "greenslide ValueChanged", "bluslide ValueChanged",
        "choosecolor Action", "centopt Action", "resetter Action", "LittleArrows1 Up", "LittleArrows1 Down",
        "LittleArrows2 Up", "LittleArrows2 Down", "LittleArrows3 Up", "LittleArrows3 Down", "hexanswer2 LostFocus",
        "hexanswer3 LostFocus", "blueedit LostFocus", "greenedit LostFocus", "Rededit LostFocus"};
    EXPECT_EQ(bound, expected);
}

TEST_F(ConverterLayout, TabFollowsTabIndexWithTiesInCreationOrder)
{
    ASSERT_EQ(Focused(), "Rededit");
    std::vector<std::string> visited;
    for (int i = 0; i < 13; ++i) {
        testing_support::PressTab();
        visited.push_back(Focused());
    }
    // Hidden fields are passed over; the picker button and arrows take no focus.
    EXPECT_EQ(visited, (std::vector<std::string>{"greenedit", "blueedit", "hexanswer1", "hexanswer2", "hexanswer3",
                                                 "redslide", "greenslide", "bluslide", "centopt", "resetter",
                                                 "convert", "websafe", "Rededit"}));
    testing_support::Click(W().centopt());
    W().convert().SetFocus();
    testing_support::PressTab();
    EXPECT_EQ(Focused(), "redpcnt") << "created before websafe, with the same TabIndex";
    testing_support::PressTab();
    EXPECT_EQ(Focused(), "websafe");
}

using ConverterIcon = ConverterBundleTest;

TEST_F(ConverterIcon, AReadablePictureBecomesTheIconAndIsReadOnlyOnce)
{
    Open();
    const std::shared_ptr<fw::Picture> icon = W().choosecolor().Icon();
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(services().pictureLoads.size(), 1u);
    EXPECT_EQ(services().pictureLoads[0].parent_path().filename() / services().pictureLoads[0].filename(),
              "Resources/cmyk.gif");
    W().Close();
    Open();
    EXPECT_EQ(W().choosecolor().Icon(), icon);
    EXPECT_EQ(services().pictureLoads.size(), 1u);
}

TEST_F(ConverterIcon, WithoutAPictureTheButtonHasNoIconStillWorksAndTheNextWindowTriesAgain)
{
    const std::pair<const char*, Bundle::Picture> cases[] = {
        {"no Resources folder", Bundle::Picture::NoResourcesFolder},
        {"no cmyk.gif", Bundle::Picture::Missing},
        {"unreadable cmyk.gif", Bundle::Picture::Unreadable}};
    for (const auto& [name, picture] : cases) {
        SCOPED_TRACE(name);
        services().pictureLoads.clear();
        const Bundle bundle(picture);
        UseBundle(bundle);
        Open();
        EXPECT_EQ(W().choosecolor().Icon(), nullptr);
        testing_support::Click(W().choosecolor());
        EXPECT_EQ(services().pickerCalls.size(), 1u) << "the button still runs its handler";
        services().pickerCalls.clear();
        W().Close();
        Open();
        EXPECT_EQ(services().pictureLoads.size(), picture == Bundle::Picture::Unreadable ? 2u : 0u);
        W().Close();
    }
}

TEST_F(ConverterIcon, NoFileItemForTheApplicationOrItsFoldersFailsTheConstruction)
{
    for (const char* file : {"", "plumivard", "/plumivard"}) {
        SCOPED_TRACE(file);
        services().applicationFile = file;
        EXPECT_THROW(Plumivard::ImplicitInstance(), fw::NilObjectException);
        EXPECT_EQ(fw::RuntimeGetImplicitWindow("Plumivard.Plumivard"), nullptr);
    }
}

}  // namespace
