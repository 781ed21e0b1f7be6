// The converter window as built: its stream bytes, every control's place,
// text and text size, the tab order and the picker button's icon.

#include <QGroupBox>
#include <array>
#include <set>
#include <vector>

#include "converter/Streams.h"
#include "test_converter_support.h"

namespace {

using namespace converter_test;
using namespace std::string_view_literals;

TEST(ConverterStreams, TheWindowStreamIs276BytesFromPlacementToMacProcID)
{
    const std::string_view stream = Plumivard::WindowStream();
    ASSERT_EQ(stream.size(), 276u);
    EXPECT_EQ(stream.substr(0, 35), "Placement \0\0\0\0Width \0\0\0\xC2Height \0\0\x01\x66"sv);
    EXPECT_EQ(stream.substr(stream.size() - 14), "MacProcID \0\0\0\0"sv);
}

using ConverterLayout = ConverterTest;

// Text and Caption alike, as the widget shows it; a group box's caption is its title.
QString ShownText(const QWidget* widget)
{
    return widget->property(qobject_cast<const QGroupBox*>(widget) ? "title" : "text").toString();
}

// In creation order. Text is what the opened window shows; size 0: none set.
struct Placed { const char* name; QRect place; const char* text; int size; bool shown = true; };
const Placed kPlaced[29] = {
    {"redpcnt", {207, 66, 78, 22}, "0%", 12, false},  {"grnpcnt", {207, 120, 78, 22}, "0%", 12, false},
    {"blupcnt", {207, 176, 78, 22}, "0%", 12, false}, {"hexanswer1", {57, 233, 26, 22}, "00", 12},
    {"hexcolor", {96, -2, 99, 45}, "", 0},            {"rgbcolor", {-1, -2, 98, 45}, "", 0},
    {"GroupBox1", {10, 295, 175, 52}, "WebSafe", 12}, {"convert", {18, 317, 75, 20}, "Convert", 12},
    {"websafe", {102, 317, 75, 20}, "Compare", 12},   {"StaticText1", {10, 69, 60, 16}, "Red", 12},
    {"StaticText2", {10, 123, 60, 16}, "Green", 12},  {"StaticText3", {10, 179, 60, 16}, "Blue", 12},
    {"StaticText4", {10, 236, 43, 16}, "Hex #", 12},  {"redslide", {45, 92, 103, 16}, "", 0},
    {"greenslide", {45, 147, 103, 16}, "", 0},        {"bluslide", {45, 203, 103, 16}, "", 0},
    {"StaticText5", {3, 46, 90, 16}, "RGB", 9},       {"webtxt", {95, 46, 94, 16}, "SAFE-FFFFFF", 9},
    {"choosecolor", {158, 262, 22, 22}, "", 12},      {"centopt", {9, 263, 32, 20}, "%", 12},
    {"resetter", {56, 263, 80, 20}, "Reset", 12},     {"LittleArrows1", {148, 66, 13, 23}, "", 0},
    {"LittleArrows2", {148, 120, 13, 23}, "", 0},     {"LittleArrows3", {148, 176, 13, 23}, "", 0},
    {"hexanswer2", {83, 233, 26, 22}, "00", 12},      {"hexanswer3", {109, 233, 26, 22}, "00", 12},
    {"blueedit", {58, 176, 78, 22}, "0", 12},         {"greenedit", {58, 120, 78, 22}, "0", 12},
    {"Rededit", {58, 66, 78, 22}, "0", 12}};

std::array<int, 4> Box(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

TEST_F(ConverterLayout, EveryControlHasItsPlaceTextAndSizeAndOverlapsOnlyWhereTheTablePlacesIt)
{
    EXPECT_EQ(W().Content()->size(), QSize(194, 358));
    ASSERT_EQ(W().Controls().size(), 29u);
    std::set<std::pair<std::string, std::string>> tableOverlaps, liveOverlaps;
    for (std::size_t i = 0; i < 29; ++i) {
        const Placed& c = kPlaced[i];
        const QWidget* widget = W().Controls()[i]->Widget();
        ASSERT_EQ(W().Controls()[i]->Name(), c.name);
        EXPECT_EQ(Box(widget->geometry()), Box(c.place)) << c.name;
        EXPECT_EQ(ShownText(widget).toStdString(), c.text) << c.name;
        EXPECT_EQ(widget->font().pixelSize(), c.size ? c.size : QApplication::font(widget).pixelSize()) << c.name;
        EXPECT_EQ(widget->isVisible(), c.shown) << c.name;
        for (std::size_t j = 0; j < i; ++j) {
            const Placed& d = kPlaced[j];
            const QWidget* dWidget = W().Controls()[j]->Widget();
            if (c.shown && d.shown && c.place.intersects(d.place)) tableOverlaps.emplace(d.name, c.name);
            if (widget->isVisible() && dWidget->isVisible() && widget->geometry().intersects(dWidget->geometry())) {
                liveOverlaps.emplace(d.name, c.name);
            }
        }
    }
    EXPECT_EQ(liveOverlaps, tableOverlaps);
    // Opened on black, with a white web-safe swatch.
    EXPECT_EQ(W().rgbcolor().FillColor(), Rgb(0, 0, 0));
    EXPECT_EQ(W().hexcolor().FillColor(), Rgb(255, 255, 255));
    EXPECT_EQ(W().s + W().t + W().v, "000000");
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

TEST_F(ConverterIcon, TheOpeningWindowAsksForTheRedFieldBeforeItIsActivated)
{
    Plumivard::Plumivard& window = Plumivard::ImplicitInstance();
    EXPECT_EQ(window.Widget()->focusWidget(), window.Rededit().Widget());
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
