#include "AboutBox.h"

#include <cstdint>

#include "ControlStreams.h"
#include "PropertyStream.h"
#include "Runtime.h"
#include "Services.h"
#include "app/Startup.h"

namespace aboutbox {

namespace {

namespace s = fw::streams;

constexpr std::string_view kOKbuttonName = "OKbutton";
constexpr std::string_view kStaticText1Name = "StaticText1";
constexpr std::string_view kBevelButton1Name = "BevelButton1";

// The second line stays within one line of the label, so the wrapped appeal
// still fits its 78 points.
constexpr std::string_view kText =
    "PLUMIVARD  v3.0\r"
    "Colours in percent, 0-255, hex and web-safe.\r"
    "\r"
    "If you like this software, please consider sending us a small donation to help fund the development of "
    "Plumivard and other projects. ";

constexpr auto kWindowBytes = fw::MakeStream([] {
    return s::Write(s::WindowRecords{.width = 298,
                                     .height = 190,
                                     .frame = 1,
                                     .backColor = {231, 232, 231},
                                     .title = "About Plumivard",
                                     .closeButton = false,
                                     .resizeable = false,
                                     .maximizeButton = false,
                                     .minimizeButton = false});
});

constexpr auto kOKbuttonBytes = fw::MakeStream([] {
    return s::Write(s::PushButtonRecords{
        .control = {.name = kOKbuttonName, .left = 104, .top = 160, .width = 90, .height = 20},
        .tabIndex = 0,
        .caption = "OK",
        .isDefault = true,
        .cancel = false});
});

constexpr auto kStaticText1Bytes = fw::MakeStream([] {
    return s::Write(s::StaticTextRecords{
        .control = {.name = kStaticText1Name, .left = 20, .top = 14, .width = 258, .height = 78},
        .tabIndex = 1,
        .text = kText,
        .textAlign = 1,
        .textColor = s::kBlack,
        .multiLine = true});
});

constexpr auto kBevelButton1Bytes = fw::MakeStream([] {
    return s::Write(s::BevelButtonRecords{
        .control = {.name = kBevelButton1Name, .left = 59, .top = 111, .width = 180, .height = 22},
        .tabIndex = 2,
        .caption = "Donate via PayPal",
        .captionAlign = 3,
        .captionPlacement = 1,
        .iconAlign = 0,
        .acceptFocus = false});
});

}  // namespace

constexpr std::string_view kAboutText = kText;
constexpr std::string_view kProductPage = "https://plumivard.example/plumivard.html";

constexpr std::string_view kWindowStream = kWindowBytes;
constexpr std::string_view kOKbuttonStream = kOKbuttonBytes;
constexpr std::string_view kStaticText1Stream = kStaticText1Bytes;
constexpr std::string_view kBevelButton1Stream = kBevelButton1Bytes;

const fw::ClassRecord& aboutbox::ClassInfo()
{
    static const fw::ClassRecord record{"aboutbox.aboutbox", &fw::Window::ClassInfo()};
    return record;
}

const fw::ClassRecord& aboutbox::Lookup()
{
    return fw::ClassTable::Instance().Build(ClassInfo());
}

void aboutbox::Layout()
{
    fw::_SetProperties(*this, kWindowStream);
}

void aboutbox::CreateControls()
{
    _CreateControls0();
}

void aboutbox::_CreateControls0()
{
    NewControl<fw::PushButton>(kOKbuttonName);
    fw::PushButton& ok = OKbutton();
    ok.SetTextSize(12.0f);
    ok.SetTextUnit(0);
    fw::_SetProperties(ok, kOKbuttonStream);
    fw::_InstallInstanceEventHandler(ok, "Action", fw::RuntimeCreateDelegate(*this, &aboutbox::OKbutton_Action));

    NewControl<fw::StaticText>(kStaticText1Name);
    fw::StaticText& text = StaticText1();
    text.SetTextSize(10.0f);
    text.SetTextUnit(0);
    fw::_SetProperties(text, kStaticText1Stream);

    // The donate button keeps the framework's default text size.
    NewControl<fw::BevelButton>(kBevelButton1Name);
    fw::BevelButton& donate = BevelButton1();
    fw::PluginCall<void(fw::BevelButton&, std::uint8_t)>(program::PluginEntry(program::kBevelButtonTextUnitSet), donate,
                                                         std::uint8_t{0});
    fw::_SetProperties(donate, kBevelButton1Stream);
    fw::_InstallInstanceEventHandler(donate, "Action",
                                     fw::RuntimeCreateDelegate(*this, &aboutbox::BevelButton1_Action));
}

fw::PushButton& aboutbox::OKbutton()
{
    return fw::ControlOf<fw::PushButton>(*this, kOKbuttonName);
}

fw::StaticText& aboutbox::StaticText1()
{
    return fw::ControlOf<fw::StaticText>(*this, kStaticText1Name);
}

fw::BevelButton& aboutbox::BevelButton1()
{
    return fw::ControlOf<fw::BevelButton>(*this, kBevelButton1Name);
}

// Both handlers close the implicit instance, which is the open box itself.
void aboutbox::OKbutton_Action()
{
    ImplicitInstance().Close();
}

void aboutbox::BevelButton1_Action()
{
    // Asked first, so a failure here leaves the box open.
    fw::ShowURL(kProductPage);
    ImplicitInstance().Close();
}

aboutbox& ImplicitInstance()
{
    return fw::ImplicitWindow<aboutbox>();
}

}  // namespace aboutbox
