// The converter window as built: its property streams byte for byte, the 29
// controls and their settings, the tab order, the event bindings and the
// picker button's icon.

#include <QApplication>
#include <limits>
#include <map>
#include <variant>
#include <vector>

#include "ControlStreams.h"
#include "Object.h"
#include "app/MenuBar.h"
#include "converter/Streams.h"
#include "test_converter_support.h"

namespace {

using namespace converter_test;
using namespace std::string_view_literals;

constexpr std::int32_t kNoIndex = std::numeric_limits<std::int32_t>::min();

// One stream decoded by the declared types of the target class.
using Records = std::vector<std::pair<std::string, fw::PropertyValue>>;

Records Decode(std::string_view stream, const fw::ClassRecord& cls)
{
    Records records;
    std::size_t at = 0;
    const auto take = [&](std::size_t n) {
        if (at + n > stream.size()) throw std::runtime_error("stream cut short at " + std::to_string(at));
        const std::string_view bytes = stream.substr(at, n);
        at += n;
        return bytes;
    };
    const auto int32 = [&] {
        std::uint32_t u = 0;
        for (const char c : take(4)) u = (u << 8) | static_cast<unsigned char>(c);
        return static_cast<std::int32_t>(u);
    };
    while (at < stream.size()) {
        const std::size_t blank = stream.find(' ', at);
        if (blank == std::string_view::npos) throw std::runtime_error("no blank after a name");
        const std::string name(stream.substr(at, blank - at));
        at = blank + 1;
        const fw::PropertyDecl* decl = cls.FindProperty(name);
        if (decl == nullptr) throw std::runtime_error(std::string(cls.name) + " declares no " + name);
        switch (decl->type) {
        case fw::PropertyType::Int32: records.emplace_back(name, int32()); break;
        case fw::PropertyType::Boolean: records.emplace_back(name, take(1)[0] != 0); break;
        case fw::PropertyType::Color: {
            const std::string_view c = take(3);
            records.emplace_back(name, fw::Color{(static_cast<std::uint32_t>(static_cast<unsigned char>(c[0])) << 16) |
                                                 (static_cast<std::uint32_t>(static_cast<unsigned char>(c[1])) << 8) |
                                                 static_cast<unsigned char>(c[2])});
            break;
        }
        case fw::PropertyType::String: {
            const auto n = static_cast<std::uint32_t>(int32());
            records.emplace_back(name, std::string(take(n)));
            break;
        }
        }
    }
    return records;
}

std::map<std::string, fw::PropertyValue> ByName(const Records& records)
{
    return {records.begin(), records.end()};
}

TEST(ConverterStreams, WindowStreamIs276BytesFromPlacementToMacProcID)
{
    const std::string_view stream = Plumivard::WindowStream();
    ASSERT_EQ(stream.size(), 276u);
    EXPECT_EQ(stream.substr(0, 36), "Placement \0\0\0\0Width \0\0\0\xC2Height \0\0\x01\x66"sv);
    EXPECT_NE(stream.find("Title \0\0\0\x09PLUMIVARD"sv), std::string_view::npos);
    EXPECT_EQ(stream.substr(stream.size() - 14), "MacProcID \0\0\0\0"sv);

    const auto records = Decode(stream, fw::Window::ClassInfo());
    EXPECT_EQ(records.size(), 21u);
    auto values = ByName(records);
    EXPECT_EQ(values["MinWidth"], fw::PropertyValue(64));
    EXPECT_EQ(values["MaxHeight"], fw::PropertyValue(32000));
    EXPECT_EQ(values["Composite"], fw::PropertyValue(true));
    EXPECT_EQ(values["Resizeable"], fw::PropertyValue(false));
    EXPECT_EQ(values["MaximizeButton"], fw::PropertyValue(false));
    EXPECT_EQ(values["MinimizeButton"], fw::PropertyValue(true));
    EXPECT_EQ(values["CloseButton"], fw::PropertyValue(true));
    EXPECT_EQ(values["BackColor"], fw::PropertyValue(fw::Color{0}));
}

// What every control stream of a class holds, whatever the control.
struct ClassShape {
    std::string_view cls;
    std::size_t records;
    std::map<std::string, fw::PropertyValue> shared;
};

const ClassShape& Shape(std::string_view cls)
{
    using V = fw::PropertyValue;
    const V kFalse{false}, kTrue{true}, kEmpty{std::string()}, kSystem{std::string("System")};
    const V kBlack{fw::Color{0}}, kWhite{fw::Color{0xFFFFFF}};
    static const std::vector<ClassShape> shapes{
        {"TextField", 37,
         {{"Height", V(22)}, {"TabStop", kTrue}, {"Border", kTrue}, {"Password", kFalse}, {"UseFocusRing", kFalse},
          {"TextColor", kBlack}, {"BackColor", kWhite}, {"Format", kEmpty}, {"TextFont", kSystem},
          {"CueText", kEmpty}, {"Text", kEmpty}, {"Mask", kEmpty}, {"ReadOnly", kFalse}, {"AcceptTabs", kFalse},
          {"InitialParent", kEmpty}}},
        {"Rectangle", 20,
         {{"Top", V(-2)}, {"Height", V(45)}, {"Visible", kTrue}, {"FillColor", kWhite}, {"BorderWidth", V(0)},
          {"TopLeftColor", kBlack}, {"BottomRightColor", kBlack}, {"InitialParent", kEmpty}}},
        {"GroupBox", 22, {{"Visible", kTrue}, {"TextFont", kSystem}, {"InitialParent", kEmpty}}},
        {"PushButton", 25,
         {{"Height", V(20)}, {"TabStop", kTrue}, {"Default", kFalse}, {"Cancel", kFalse}, {"Visible", kTrue},
          {"TextFont", kSystem}}},
        {"StaticText", 27,
         {{"Height", V(16)}, {"TextColor", kBlack}, {"Multiline", kFalse}, {"Visible", kTrue}, {"TextFont", kSystem},
          {"InitialParent", kEmpty}}},
        {"Slider", 25,
         {{"Left", V(45)}, {"Width", V(103)}, {"Height", V(16)}, {"TabStop", kTrue}, {"Minimum", V(0)},
          {"Value", V(0)}, {"Maximum", V(255)}, {"LineStep", V(1)}, {"PageStep", V(1)}, {"LiveScroll", kTrue},
          {"TickStyle", V(0)}, {"InitialParent", kEmpty}}},
        {"BevelButton", 38,
         {{"TabStop", kTrue}, {"Caption", kEmpty}, {"CaptionAlign", V(3)}, {"CaptionPlacement", V(1)},
          {"CaptionDelta", V(0)}, {"IconAlign", V(1)}, {"IconDX", V(0)}, {"IconDY", V(0)}, {"Bevel", V(0)},
          {"HasMenu", V(0)}, {"HasBackColor", kFalse}, {"BackColor", kBlack}, {"TextColor", kBlack},
          {"Value", kFalse}, {"MenuValue", V(0)}, {"ButtonType", V(0)}, {"AcceptFocus", kFalse},
          {"TextFont", kSystem}, {"InitialParent", kEmpty}}},
        {"CheckBox", 27,
         {{"TabStop", kTrue}, {"State", V(0)}, {"Value", kFalse}, {"TextFont", kSystem}, {"InitialParent", kEmpty}}},
        {"UpDownArrows", 19,
         {{"Left", V(148)}, {"Width", V(13)}, {"Height", V(23)}, {"TabStop", kTrue}, {"AcceptFocus", kFalse},
          {"InitialParent", kEmpty}}},
    };
    for (const auto& shape : shapes) {
        if (shape.cls == cls) return shape;
    }
    throw std::out_of_range(std::string(cls));
}

// The controls in creation order. TabIndex -1: the class has none; text
// size 0: the control shows no text.
struct ControlRow {
    std::string_view name, cls;
    std::int32_t left, top, width, height, tabIndex;
    std::string_view text;
    float textSize;
    std::map<std::string, fw::PropertyValue> own;
};

const std::vector<ControlRow>& Table()
{
    using V = fw::PropertyValue;
    const auto field = [](bool visible, int limit, int alignment) {
        return std::map<std::string, V>{{"Visible", V(visible)}, {"LimitText", V(limit)}, {"Alignment", V(alignment)}};
    };
    const auto parent = [](const char* name) { return std::map<std::string, V>{{"InitialParent", V(std::string(name))}}; };
    const auto align = [](int a) { return std::map<std::string, V>{{"TextAlign", V(a)}}; };
    static const std::vector<ControlRow> rows{
        {"redpcnt", "TextField", 207, 66, 78, 22, 1, "", 12, field(false, 3, 0)},
        {"grnpcnt", "TextField", 207, 120, 78, 22, 2, "", 12, field(false, 3, 0)},
        {"blupcnt", "TextField", 207, 176, 78, 22, 3, "", 12, field(false, 3, 0)},
        {"hexanswer1", "TextField", 57, 233, 26, 22, 7, "", 12, field(true, 2, 2)},
        {"hexcolor", "Rectangle", 96, -2, 99, 45, -1, "", 0, {}},
        {"rgbcolor", "Rectangle", -1, -2, 98, 45, -1, "", 0, {}},
        {"GroupBox1", "GroupBox", 10, 295, 175, 52, 10, "WebSafe", 12, {}},
        {"convert", "PushButton", 18, 317, 75, 20, 0, "Convert", 12, parent("GroupBox1")},
        {"websafe", "PushButton", 102, 317, 75, 20, 1, "Compare", 12, parent("GroupBox1")},
        {"StaticText1", "StaticText", 10, 69, 60, 16, 11, "Red", 12, align(0)},
        {"StaticText2", "StaticText", 10, 123, 60, 16, 12, "Green", 12, align(0)},
        {"StaticText3", "StaticText", 10, 179, 60, 16, 13, "Blue", 12, align(0)},
        {"StaticText4", "StaticText", 10, 236, 43, 16, 14, "Hex #", 12, align(0)},
        {"redslide", "Slider", 45, 92, 103, 16, 15, "", 0, {}},
        {"greenslide", "Slider", 45, 147, 103, 16, 16, "", 0, {}},
        {"bluslide", "Slider", 45, 203, 103, 16, 17, "", 0, {}},
        {"StaticText5", "StaticText", 3, 46, 90, 16, 18, "RGB", 9, align(1)},
        {"webtxt", "StaticText", 95, 46, 94, 16, 19, "SAFE-FFFFFF", 9, align(1)},
        {"choosecolor", "BevelButton", 158, 262, 22, 22, 21, "", 12, {}},
        {"centopt", "CheckBox", 9, 263, 32, 20, 22, "%", 12, {}},
        {"resetter", "PushButton", 56, 263, 80, 20, 24, "Reset", 12, parent("")},
        {"LittleArrows1", "UpDownArrows", 148, 66, 13, 23, 25, "", 0, {}},
        {"LittleArrows2", "UpDownArrows", 148, 120, 13, 23, 26, "", 0, {}},
        {"LittleArrows3", "UpDownArrows", 148, 176, 13, 23, 27, "", 0, {}},
        {"hexanswer2", "TextField", 83, 233, 26, 22, 8, "", 12, field(true, 2, 2)},
        {"hexanswer3", "TextField", 109, 233, 26, 22, 9, "", 12, field(true, 2, 2)},
        {"blueedit", "TextField", 58, 176, 78, 22, 6, "", 12, field(true, 3, 0)},
        {"greenedit", "TextField", 58, 120, 78, 22, 5, "", 12, field(true, 3, 0)},
        {"Rededit", "TextField", 58, 66, 78, 22, 4, "", 12, field(true, 3, 0)},
    };
    return rows;
}

const fw::ClassRecord& ClassNamed(std::string_view name)
{
    const fw::ClassRecord* record = fw::ClassTable::Instance().Find(name);
    if (record == nullptr) throw std::out_of_range(std::string(name));
    return *record;
}

TEST(ConverterStreams, EveryControlStreamHoldsItsClassRecordsAndTheTablesValues)
{
    for (const ControlRow& row : Table()) {
        SCOPED_TRACE(std::string(row.name));
        const Records records = Decode(Plumivard::ControlStream(row.name), ClassNamed(row.cls));
        const ClassShape& shape = Shape(row.cls);
        EXPECT_EQ(records.size(), shape.records);
        auto values = ByName(records);
        EXPECT_EQ(values.size(), records.size()) << "a property named twice";
        EXPECT_EQ(records.front().first, "Name");
        EXPECT_EQ(values["Name"], fw::PropertyValue(std::string(row.name)));
        EXPECT_EQ(values["Index"], fw::PropertyValue(kNoIndex));
        EXPECT_EQ(values["Left"], fw::PropertyValue(row.left));
        EXPECT_EQ(values["Top"], fw::PropertyValue(row.top));
        EXPECT_EQ(values["Width"], fw::PropertyValue(row.width));
        EXPECT_EQ(values["Height"], fw::PropertyValue(row.height));
        for (const char* lock : {"LockLeft", "LockTop", "LockRight", "LockBottom"})
            EXPECT_EQ(values[lock], fw::PropertyValue(false)) << lock;
        EXPECT_EQ(values["TabPanelIndex"], fw::PropertyValue(0));
        EXPECT_EQ(values["HelpTag"], fw::PropertyValue(std::string()));
        EXPECT_EQ(values["Enabled"], fw::PropertyValue(true));
        EXPECT_EQ(values["AutoDeactivate"], fw::PropertyValue(true));
        if (row.tabIndex >= 0) EXPECT_EQ(values["TabIndex"], fw::PropertyValue(row.tabIndex));
        else EXPECT_EQ(values.count("TabIndex"), 0u);
        if (values.count("Bold")) {
            for (const char* style : {"Bold", "Italic", "Underline"})
                EXPECT_EQ(values[style], fw::PropertyValue(false)) << style;
        }
        const char* textRecord = row.cls == "TextField" || row.cls == "StaticText" ? "Text" : "Caption";
        if (row.textSize > 0) EXPECT_EQ(values[textRecord], fw::PropertyValue(std::string(row.text)));
        for (const auto& [name, value] : shape.shared) EXPECT_EQ(values[name], value) << name;
        for (const auto& [name, value] : row.own) EXPECT_EQ(values[name], value) << name;
    }
    EXPECT_THROW(Plumivard::ControlStream("UntitledControl"), std::out_of_range);
}

// ------------------------------------------------------------ the window built

using ConverterLayout = ConverterTest;

TEST_F(ConverterLayout, TheWindowIsTitledSizedAndCarriesTheMenuBar)
{
    EXPECT_EQ(W().Class().name, "Plumivard.Plumivard");
    EXPECT_TRUE(fw::ClassTable::Instance().Contains(Plumivard::Plumivard::Lookup()));
    EXPECT_EQ(W().Title(), "PLUMIVARD");
    EXPECT_EQ(W().Content()->size(), QSize(194, 358));
    EXPECT_FALSE(W().Resizeable());
    EXPECT_EQ(W().GetMenuBar(), &Menu::ImplicitInstance());
    EXPECT_EQ(&Plumivard::ImplicitInstance(), &W()) << "a second call finds the open window";
    EXPECT_EQ(fw::OpenWindows().size(), 1u);
}

TEST_F(ConverterLayout, Has29ControlsInCreationOrderAsTheTableGives)
{
    const auto& controls = W().Controls();
    ASSERT_EQ(controls.size(), Table().size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlRow& row = Table()[i];
        const fw::RectControl& control = *controls[i];
        SCOPED_TRACE(std::string(row.name));
        EXPECT_EQ(control.Name(), row.name);
        EXPECT_EQ(control.Class().name, row.cls);
        EXPECT_EQ(control.Widget()->geometry(), QRect(row.left, row.top, row.width, row.height));
        EXPECT_EQ(control.Index(), kNoIndex);
        const bool percentField = row.left == 207;
        EXPECT_EQ(control.Widget()->isVisible(), !percentField);
        if (const auto* text = dynamic_cast<const fw::TextControl*>(&control)) {
            EXPECT_EQ(text->TextSize(), row.textSize);
            EXPECT_EQ(text->Widget()->font().pixelSize(), static_cast<int>(row.textSize));
        } else {
            EXPECT_EQ(row.textSize, 0.0f) << "a control with text got no size";
        }
    }
    EXPECT_EQ(W().choosecolor().Caption(), "");
    EXPECT_EQ(W().GroupBox1().Caption(), "WebSafe");
    EXPECT_EQ(W().centopt().Caption(), "%");
}

TEST_F(ConverterLayout, EveryHandledEventIsBoundAndNoOtherControlHasHandlers)
{
    const std::map<std::string, std::vector<std::string>> bound{
        {"redpcnt", {"LostFocus"}},    {"grnpcnt", {"LostFocus"}},      {"blupcnt", {"LostFocus"}},
        {"hexanswer1", {"LostFocus"}}, {"hexanswer2", {"LostFocus"}},   {"hexanswer3", {"LostFocus"}},
        {"Rededit", {"LostFocus"}},    {"greenedit", {"LostFocus"}},    {"blueedit", {"LostFocus"}},
        {"convert", {"Action"}},       {"websafe", {"Action"}},         {"choosecolor", {"Action"}},
        {"centopt", {"Action"}},       {"resetter", {"Action"}},        {"redslide", {"ValueChanged"}},
        {"greenslide", {"ValueChanged"}}, {"bluslide", {"ValueChanged"}}, {"LittleArrows1", {"Up", "Down"}},
        {"LittleArrows2", {"Up", "Down"}}, {"LittleArrows3", {"Up", "Down"}},
    };
    std::size_t bindings = 0;
    for (const auto& control : W().Controls()) {
        const auto it = bound.find(control->Name());
        for (const char* event : {"LostFocus", "Action", "ValueChanged", "Up", "Down"}) {
            const bool expected = it != bound.end() && std::find(it->second.begin(), it->second.end(), event) !=
                                                           it->second.end();
            EXPECT_EQ(control->HasHandler(event), expected) << control->Name() << " " << event;
            if (control->HasHandler(event)) ++bindings;
        }
    }
    EXPECT_EQ(bindings, 23u);
}

TEST_F(ConverterLayout, TabMovesThroughTheShownControlsByTabIndexTiesInCreationOrder)
{
    ASSERT_EQ(Focused(), "Rededit");
    std::vector<std::string> visited;
    for (int i = 0; i < 13; ++i) {
        testing_support::PressTab();
        visited.push_back(Focused());
    }
    // The hidden percent fields (TabIndex 1 to 3) are passed over; the
    // picker button and the arrows never take the focus.
    const std::vector<std::string> expected{"greenedit",  "blueedit", "hexanswer1", "hexanswer2", "hexanswer3",
                                            "redslide",   "greenslide", "bluslide", "centopt",    "resetter",
                                            "convert",    "websafe",  "Rededit"};
    EXPECT_EQ(visited, expected);

    // In percent mode websafe (TabIndex 1, created first) comes before redpcnt (1).
    testing_support::Click(W().centopt());
    ASSERT_EQ(Focused(), "redpcnt");
    visited.clear();
    for (int i = 0; i < 3; ++i) {
        testing_support::PressTab();
        visited.push_back(Focused());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"grnpcnt", "blupcnt", "hexanswer1"}));
    W().websafe().SetFocus();
    testing_support::PressTab();
    EXPECT_EQ(Focused(), "redpcnt");
}

// ------------------------------------------------------------ the picker button's icon

using ConverterIcon = ConverterBundleTest;

TEST_F(ConverterIcon, AReadablePictureBecomesTheIconAndIsReadOnlyOnce)
{
    Open();
    const std::shared_ptr<fw::Picture> icon = W().choosecolor().Icon();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(services().pictureLoads.size(), 1u);
    EXPECT_EQ(services().pictureLoads.front().filename(), "cmyk.gif");
    EXPECT_EQ(services().pictureLoads.front().parent_path().filename(), "Resources");

    W().Close();
    Open();
    EXPECT_EQ(W().choosecolor().Icon(), icon) << "a new window reuses the loaded picture";
    EXPECT_EQ(services().pictureLoads.size(), 1u);
}

TEST_F(ConverterIcon, WithoutAPictureTheButtonHasNoIconStillWorksAndTheNextWindowTriesAgain)
{
    struct Case {
        const char* name;
        Bundle::Picture picture;
        std::size_t loadsPerWindow;
    };
    for (const Case& c : {Case{"no Resources folder", Bundle::Picture::NoResourcesFolder, 0},
                          Case{"no cmyk.gif", Bundle::Picture::Missing, 0},
                          Case{"cmyk.gif unreadable", Bundle::Picture::Unreadable, 1}}) {
        SCOPED_TRACE(c.name);
        Plumivard::ResetPictureCacheForTesting();
        services().pictureLoads.clear();
        const Bundle bundle(c.picture);
        UseBundle(bundle);
        Open();
        EXPECT_EQ(W().choosecolor().Icon(), nullptr);
        services().pickerAnswer.reset();
        services().pickerCalls.clear();
        testing_support::Click(W().choosecolor());
        EXPECT_EQ(services().pickerCalls.size(), 1u) << "the button runs its handler";
        W().Close();
        Open();
        EXPECT_EQ(services().pictureLoads.size(), 2 * c.loadsPerWindow);
        W().Close();
    }
}

TEST_F(ConverterIcon, NoFileItemForTheApplicationOrItsFoldersFailsTheWindowsConstruction)
{
    for (const char* file : {"", "plumivard", "/plumivard"}) {
        SCOPED_TRACE(file);
        services().applicationFile = file;
        EXPECT_THROW(Plumivard::ImplicitInstance(), fw::NilObjectException);
        EXPECT_EQ(fw::RuntimeGetImplicitWindow("Plumivard.Plumivard"), nullptr);
    }
}

}  // namespace
