// The converter window as built: its stream bytes, a few controls decoded
// back from their streams, the tab order and the picker button's icon.

#include <tuple>
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

using ConverterLayout = ConverterTest;

// One helper writes every control's stream; a few settings of each kind
// decoded back stand for the rest.
TEST_F(ConverterLayout, TheWindowAndItsControlsCarryTheSettingsOfTheirStreams)
{
    EXPECT_EQ(W().Content()->size(), QSize(194, 358));
    EXPECT_EQ(W().GetMenuBar(), Menu::ImplicitInstance().get());
    EXPECT_EQ(W().Controls().size(), 29u);
    const std::pair<const char*, QRect> places[] = {{"Rededit", {58, 66, 78, 22}}, {"hexanswer1", {57, 233, 26, 22}},
                                                    {"rgbcolor", {-1, -2, 98, 45}}, {"choosecolor", {158, 262, 22, 22}},
                                                    {"LittleArrows3", {148, 176, 13, 23}}};
    for (const auto& [name, rect] : places) EXPECT_EQ(W().ControlByName(name)->Widget()->geometry(), rect) << name;
    const std::tuple<const char*, const char*, V> settings[] = {
        {"Rededit", "TabIndex", V(4)},         {"Rededit", "TextFont", V(std::string("System"))},
        {"hexanswer1", "LimitText", V(2)},     {"hexanswer1", "Alignment", V(2)},
        {"redslide", "PageStep", V(1)},        {"webtxt", "TextAlign", V(1)},
        {"GroupBox1", "Caption", V(std::string("WebSafe"))},
        {"hexcolor", "FillColor", V(fw::Color{0xFFFFFF})}};
    for (const auto& [name, property, value] : settings) {
        EXPECT_EQ(W().ControlByName(name)->GetProperty(property), value) << name << "." << property;
    }
    EXPECT_EQ(W().Rededit().TextSize(), 12.0f);
    EXPECT_EQ(W().webtxt().TextSize(), 9.0f);
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

TEST_F(ConverterIcon, TheIconIsReadOnceAndAMissingOneIsTriedAgainByTheNextWindow)
{
    struct Case { const char* name; Bundle::Picture picture; bool icon; std::size_t loadsAfterTwoWindows; };
    const Case cases[] = {{"readable", Bundle::Picture::Readable, true, 1},
                          {"no Resources folder", Bundle::Picture::NoResourcesFolder, false, 0},
                          {"no cmyk.gif", Bundle::Picture::Missing, false, 0},
                          {"unreadable cmyk.gif", Bundle::Picture::Unreadable, false, 2},
                          {"cmyk.gif a named pipe", Bundle::Picture::Fifo, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Plumivard::ResetPictureCacheForTesting();
        services().pictureLoads.clear();
        services().pickerCalls.clear();
        const Bundle bundle(c.picture);
        UseBundle(bundle);
        Open();
        const std::shared_ptr<fw::Picture> icon = W().choosecolor().Icon();
        EXPECT_EQ(icon != nullptr, c.icon);
        testing_support::Click(W().choosecolor());
        EXPECT_EQ(services().pickerCalls.size(), 1u) << "the button runs its handler";
        W().Close();
        Open();
        EXPECT_EQ(W().choosecolor().Icon(), icon);
        EXPECT_EQ(services().pictureLoads.size(), c.loadsAfterTwoWindows);
        for (const auto& file : services().pictureLoads) EXPECT_EQ(file, bundle.Root() / "Resources" / "cmyk.gif");
        EXPECT_FALSE(bundle.ReaderWasBlocked());
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
        EXPECT_TRUE(fw::OpenWindows().empty());
    }
}

}  // namespace
