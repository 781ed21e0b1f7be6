#include "Plumivard.h"

#include <bit>
#include <cstdint>
#include <string_view>

#include "PropertyStream.h"
#include "Runtime.h"
#include "Streams.h"
#include "Text.h"
#include "about/AboutBox.h"
#include "app/MenuBar.h"
#include "app/Startup.h"

namespace Plumivard {

namespace {

// A channel value is value / 2.55 percent; the nearest double to 2.55 lies
// just below it, which decides how 50 % and 100 % convert.
constexpr double kPercentFactor = 2.55;
static_assert(std::bit_cast<std::uint64_t>(kPercentFactor) == 0x4004666666666666u);

constexpr float kTextSize = 12.0f;
constexpr float kCaptionTextSize = 9.0f;
constexpr std::uint8_t kTextUnit = 0;

// The shown entry field of a row stands at the left; the other lies beyond
// the window's right edge.
constexpr std::int32_t kShownLeft = 58;
constexpr std::int32_t kHiddenLeft = 207;

// The three channel rows are alike but for the names of their members.
struct Row {
    std::string_view percentField, valueField, slider, hexField;
    std::int32_t Plumivard::*channel;
    std::string Plumivard::*pair;
    std::int32_t Plumivard::*percentage;
};

constexpr Row kRed{"redpcnt", "Rededit", "redslide", "hexanswer1", &Plumivard::n, &Plumivard::s, &Plumivard::x};
constexpr Row kGreen{"grnpcnt", "greenedit", "greenslide", "hexanswer2", &Plumivard::p, &Plumivard::t,
                     &Plumivard::y};
constexpr Row kBlue{"blupcnt", "blueedit", "bluslide", "hexanswer3", &Plumivard::r, &Plumivard::v, &Plumivard::z};
constexpr Row kRows[3] = {kRed, kGreen, kBlue};

std::int32_t ToInt32(double value)
{
    return fw::RuntimeCvtReal64ToSInt32(value);
}

// Two upper-case hexadecimal digits.
std::string Pair(std::int32_t value)
{
    std::string digits = fw::Hex(value);
    if (digits.size() == 1) digits = fw::RuntimeAddString("0", digits);
    return digits;
}

// The web-safe level of a channel value, by fixed limits rather than the
// nearest level; values beyond 0..255 give 0.
std::int32_t WebSafeLevel(std::int32_t value)
{
    std::int32_t level = 0;
    if (value < 26) level = 0;
    else if (value < 78) level = 51;
    else if (value < 129) level = 102;
    else if (value < 180) level = 153;
    else if (value < 231) level = 204;
    else if (value < 256) level = 255;
    return level;
}

void PercentLostFocus(Plumivard& w, const Row& row)
{
    fw::TextField& field = fw::ControlOf<fw::TextField>(w, row.percentField);
    w.*row.percentage = ToInt32(fw::Val(field.Text()));
    if (w.*row.percentage > 100) {
        fw::Beep();
        field.SetText("100");
    }
    const double product = fw::RuntimeCvtSInt32ToReal64(w.*row.percentage) * kPercentFactor;
    fw::ControlOf<fw::Slider>(w, row.slider).SetValue(ToInt32(product));
}

void ValueLostFocus(Plumivard& w, const Row& row)
{
    w.*row.channel = ToInt32(fw::Val(fw::ControlOf<fw::TextField>(w, row.valueField).Text()));
    fw::ControlOf<fw::Slider>(w, row.slider).SetValue(w.*row.channel);
}

// Reads the field that lost the focus, not the row's field by name.
void HexLostFocus(Plumivard& w, const Row& row, fw::Control& me)
{
    const std::string text = fw::RuntimeAddString("&h", fw::RuntimeCheckCast<fw::TextField>(me).Text());
    w.*row.channel = ToInt32(fw::Val(text));
    fw::ControlOf<fw::Slider>(w, row.slider).SetValue(w.*row.channel);
}

void Step(Plumivard& w, const Row& row, std::int32_t delta)
{
    fw::Slider& slider = fw::ControlOf<fw::Slider>(w, row.slider);
    slider.SetValue(slider.Value() + delta);
}

// The one place that carries a slider's value to the rest of its row and to
// the current-colour swatch.
void SliderChanged(Plumivard& w, const Row& row)
{
    const std::int32_t value = fw::ControlOf<fw::Slider>(w, row.slider).Value();
    fw::TextField& valueField = fw::ControlOf<fw::TextField>(w, row.valueField);
    valueField.SetText(fw::Str(value));
    const double percent = fw::Round(fw::RuntimeCvtSInt32ToReal64(value) / kPercentFactor);
    fw::ControlOf<fw::TextField>(w, row.percentField).SetText(fw::RuntimeAddString(fw::Str(percent), "%"));
    w.*row.channel = ToInt32(fw::Val(valueField.Text()));
    w.*row.pair = Pair(w.*row.channel);
    w.rgbcolor().SetFillColor(fw::RGB(w.n, w.p, w.r));
    fw::ControlOf<fw::TextField>(w, row.hexField).SetText(w.*row.pair);
}

struct WebSafe {
    std::int32_t red, green, blue;
};

// Shows the web-safe colour of the current channel values in the web-safe
// swatch and its caption; the pairs keep its digits.
WebSafe ShowWebSafe(Plumivard& w)
{
    const WebSafe level{WebSafeLevel(w.n), WebSafeLevel(w.p), WebSafeLevel(w.r)};
    w.s = Pair(level.red);
    w.t = Pair(level.green);
    w.v = Pair(level.blue);
    w.webtxt().SetText(fw::RuntimeAddString(fw::RuntimeAddString(fw::RuntimeAddString("SAFE-", w.s), w.t), w.v));
    return level;
}

void ShowEntryFields(Plumivard& w, const Row (&rows)[3], std::string_view Row::*hide, std::string_view Row::*show)
{
    // Blue first, up to red; each field moves before it is shown or hidden.
    for (int i = 2; i >= 0; --i) {
        fw::TextField& field = fw::ControlOf<fw::TextField>(w, rows[i].*hide);
        field.SetLeft(kHiddenLeft);
        field.SetVisible(false);
    }
    for (int i = 2; i >= 0; --i) {
        fw::TextField& field = fw::ControlOf<fw::TextField>(w, rows[i].*show);
        field.SetLeft(kShownLeft);
        field.SetVisible(true);
    }
}


// The creation protocol: create and register, then find the control again
// by name for everything else.
template <class T>
T& NewNamedControl(Plumivard& w, std::string_view name)
{
    w.NewControl<T>(name);
    return fw::ControlOf<T>(w, name);
}

void SetTextStyle(fw::TextControl& control, float size)
{
    control.SetTextSize(size);
    control.SetTextUnit(kTextUnit);
}

// The bevel button's text unit is a member of its plug-in.
void SetTextStyle(fw::BevelButton& button, float size)
{
    button.SetTextSize(size);
    fw::PluginCall<void(fw::BevelButton&, std::uint8_t)>(
        program::PluginEntry(program::kBevelButtonTextUnitSet), button, kTextUnit);
}

bool picFirstUseDone = false;
std::shared_ptr<fw::Picture> pic;

}  // namespace

// ---------------------------------------------------------------- class

Plumivard::~Plumivard()
{
    s.clear();
    t.clear();
    v.clear();
}

const fw::ClassRecord& Plumivard::ClassInfo()
{
    static const fw::PropertyDecl properties[] = {
        fw::Field<&Plumivard::n>("n"), fw::Field<&Plumivard::p>("p"), fw::Field<&Plumivard::r>("r"),
        fw::Field<&Plumivard::s>("s"), fw::Field<&Plumivard::t>("t"), fw::Field<&Plumivard::v>("v"),
        fw::Field<&Plumivard::x>("x"), fw::Field<&Plumivard::y>("y"), fw::Field<&Plumivard::z>("z"),
    };
    static const fw::ClassRecord record{"Plumivard.Plumivard", &fw::Window::ClassInfo(), properties};
    return record;
}

const fw::ClassRecord& Plumivard::Lookup()
{
    return fw::ClassTable::Instance().Build(ClassInfo());
}

Plumivard& ImplicitInstance()
{
    return fw::ImplicitWindow<Plumivard>();
}

void Plumivard::Layout()
{
    // The menu bar is in place before any of the window's settings.
    SetMenuBar(Menu::ImplicitInstance());
    fw::_SetProperties(*this, WindowStream());
}

void Plumivard::CreateControls()
{
    _CreateControls0();
}

void Plumivard::_CreateControls0()
{
    // Handlers are bound after each stream, so applying a stream runs none.
    const auto field = [this](std::string_view name, auto lostFocus) {
        fw::TextField& control = NewNamedControl<fw::TextField>(*this, name);
        SetTextStyle(control, kTextSize);
        fw::_SetProperties(control, ControlStream(name));
        fw::_InstallInstanceEventHandler(control, "LostFocus", fw::RuntimeCreateDelegate(*this, lostFocus));
    };
    const auto swatch = [this](std::string_view name) {
        fw::_SetProperties(NewNamedControl<fw::Rectangle>(*this, name), ControlStream(name));
    };
    const auto button = [this](std::string_view name, void (Plumivard::*action)()) {
        fw::PushButton& control = NewNamedControl<fw::PushButton>(*this, name);
        SetTextStyle(control, kTextSize);
        fw::_SetProperties(control, ControlStream(name));
        fw::_InstallInstanceEventHandler(control, "Action", fw::RuntimeCreateDelegate(*this, action));
    };
    const auto label = [this](std::string_view name, float size) {
        fw::StaticText& control = NewNamedControl<fw::StaticText>(*this, name);
        SetTextStyle(control, size);
        fw::_SetProperties(control, ControlStream(name));
    };
    const auto slider = [this](std::string_view name, void (Plumivard::*valueChanged)()) {
        fw::Slider& control = NewNamedControl<fw::Slider>(*this, name);
        fw::_SetProperties(control, ControlStream(name));
        fw::_InstallInstanceEventHandler(control, "ValueChanged", fw::RuntimeCreateDelegate(*this, valueChanged));
    };
    const auto arrows = [this](std::string_view name, void (Plumivard::*up)(), void (Plumivard::*down)()) {
        fw::UpDownArrows& control = NewNamedControl<fw::UpDownArrows>(*this, name);
        fw::_SetProperties(control, ControlStream(name));
        fw::_InstallInstanceEventHandler(control, "Up", fw::RuntimeCreateDelegate(*this, up));
        fw::_InstallInstanceEventHandler(control, "Down", fw::RuntimeCreateDelegate(*this, down));
    };

    field("redpcnt", &Plumivard::redpcnt_LostFocus);
    field("grnpcnt", &Plumivard::grnpcnt_LostFocus);
    field("blupcnt", &Plumivard::blupcnt_LostFocus);
    field("hexanswer1", &Plumivard::hexanswer1_LostFocus);
    swatch("hexcolor");
    swatch("rgbcolor");
    {
        fw::GroupBox& control = NewNamedControl<fw::GroupBox>(*this, "GroupBox1");
        SetTextStyle(control, kTextSize);
        fw::_SetProperties(control, ControlStream("GroupBox1"));
    }
    button("convert", &Plumivard::convert_Action);
    button("websafe", &Plumivard::websafe_Action);
    label("StaticText1", kTextSize);
    label("StaticText2", kTextSize);
    label("StaticText3", kTextSize);
    label("StaticText4", kTextSize);
    slider("redslide", &Plumivard::redslide_ValueChanged);
    slider("greenslide", &Plumivard::greenslide_ValueChanged);
    slider("bluslide", &Plumivard::bluslide_ValueChanged);
    label("StaticText5", kCaptionTextSize);
    label("webtxt", kCaptionTextSize);
    {
        fw::BevelButton& control = NewNamedControl<fw::BevelButton>(*this, "choosecolor");
        fw::PluginCall<void(fw::BevelButton&, std::shared_ptr<fw::Picture>)>(
            program::PluginEntry(program::kBevelButtonIconSet), control, cmyk());
        SetTextStyle(control, kTextSize);
        fw::_SetProperties(control, ControlStream("choosecolor"));
        fw::_InstallInstanceEventHandler(control, "Action",
                                         fw::RuntimeCreateDelegate(*this, &Plumivard::choosecolor_Action));
    }
    {
        fw::CheckBox& control = NewNamedControl<fw::CheckBox>(*this, "centopt");
        SetTextStyle(control, kTextSize);
        fw::_SetProperties(control, ControlStream("centopt"));
        fw::_InstallInstanceEventHandler(control, "Action",
                                         fw::RuntimeCreateDelegate(*this, &Plumivard::centopt_Action));
    }
    button("resetter", &Plumivard::resetter_Action);
    arrows("LittleArrows1", &Plumivard::LittleArrows1_Up, &Plumivard::LittleArrows1_Down);
    arrows("LittleArrows2", &Plumivard::LittleArrows2_Up, &Plumivard::LittleArrows2_Down);
    arrows("LittleArrows3", &Plumivard::LittleArrows3_Up, &Plumivard::LittleArrows3_Down);
    field("hexanswer2", &Plumivard::hexanswer2_LostFocus);
    field("hexanswer3", &Plumivard::hexanswer3_LostFocus);
    field("blueedit", &Plumivard::blueedit_LostFocus);
    field("greenedit", &Plumivard::greenedit_LostFocus);
    field("Rededit", &Plumivard::Rededit_LostFocus);
}

// ---------------------------------------------------------------- channel row inputs

void Plumivard::redpcnt_LostFocus()
{
    PercentLostFocus(*this, kRed);
}

void Plumivard::grnpcnt_LostFocus()
{
    PercentLostFocus(*this, kGreen);
}

void Plumivard::blupcnt_LostFocus()
{
    PercentLostFocus(*this, kBlue);
}

void Plumivard::hexanswer1_LostFocus(fw::Control& me)
{
    HexLostFocus(*this, kRed, me);
}

// ---------------------------------------------------------------- web-safe colour

void Plumivard::convert_Action()
{
    const WebSafe level = ShowWebSafe(*this);
    hexanswer1().SetText(s);
    hexanswer2().SetText(t);
    hexanswer3().SetText(v);
    hexcolor().SetFillColor(fw::RGB(level.red, level.green, level.blue));
    // Each set runs its row's slider handler before the next.
    redslide().SetValue(level.red);
    greenslide().SetValue(level.green);
    bluslide().SetValue(level.blue);
    fw::ClearFocus();
}

void Plumivard::websafe_Action()
{
    const WebSafe level = ShowWebSafe(*this);
    hexcolor().SetFillColor(fw::RGB(level.red, level.green, level.blue));
    fw::ClearFocus();
}

// ---------------------------------------------------------------- slider hub

void Plumivard::redslide_ValueChanged()
{
    SliderChanged(*this, kRed);
}

void Plumivard::greenslide_ValueChanged()
{
    SliderChanged(*this, kGreen);
}

void Plumivard::bluslide_ValueChanged()
{
    SliderChanged(*this, kBlue);
}

// ---------------------------------------------------------------- colour picker

void Plumivard::choosecolor_Action()
{
    Plumivard& w = ImplicitInstance();
    // Cancel leaves the colour as passed in, which is then applied again.
    fw::Color c = fw::RGB(w.n, w.p, w.r);
    fw::SelectColor(c, "Select a Color");
    w.rgbcolor().SetFillColor(c);
    w.n = static_cast<std::int32_t>((c.value >> 16) & 255u);
    w.p = static_cast<std::int32_t>((c.value >> 8) & 255u);
    w.r = static_cast<std::int32_t>(c.value & 255u);
    w.Rededit().SetText(fw::Str(w.n));
    w.greenedit().SetText(fw::Str(w.p));
    w.blueedit().SetText(fw::Str(w.r));
    w.redslide().SetValue(w.n);
    w.greenslide().SetValue(w.p);
    w.bluslide().SetValue(w.r);
    fw::ClearFocus();
}

// ---------------------------------------------------------------- percent mode

void Plumivard::centopt_Action()
{
    if (centopt().Value()) {
        ShowEntryFields(*this, kRows, &Row::valueField, &Row::percentField);
        redpcnt().SetFocus();
    } else {
        ShowEntryFields(*this, kRows, &Row::percentField, &Row::valueField);
        Rededit().SetFocus();
    }
}

void Plumivard::resetter_Action()
{
    zeroall();
}

// ---------------------------------------------------------------- arrows

void Plumivard::LittleArrows1_Up()
{
    Step(*this, kRed, 1);
}

void Plumivard::LittleArrows1_Down()
{
    Step(*this, kRed, -1);
}

void Plumivard::LittleArrows2_Up()
{
    Step(*this, kGreen, 1);
}

void Plumivard::LittleArrows2_Down()
{
    Step(*this, kGreen, -1);
}

void Plumivard::LittleArrows3_Up()
{
    Step(*this, kBlue, 1);
}

void Plumivard::LittleArrows3_Down()
{
    Step(*this, kBlue, -1);
}

void Plumivard::hexanswer2_LostFocus(fw::Control& me)
{
    HexLostFocus(*this, kGreen, me);
}

void Plumivard::hexanswer3_LostFocus(fw::Control& me)
{
    HexLostFocus(*this, kBlue, me);
}

void Plumivard::blueedit_LostFocus()
{
    ValueLostFocus(*this, kBlue);
}

void Plumivard::greenedit_LostFocus()
{
    ValueLostFocus(*this, kGreen);
}

void Plumivard::Rededit_LostFocus()
{
    ValueLostFocus(*this, kRed);
}

// ---------------------------------------------------------------- menu items

namespace {

template <class Item>
Item& MenuItemNamed(const Plumivard& w, std::string_view name)
{
    return fw::RuntimeCheckCast<Item>(fw::NotNil(w.GetMenuBar())._Lookup(name));
}

}  // namespace

fw::MenuItem& Plumivard::UntitledMenu0() { return MenuItemNamed<fw::MenuItem>(*this, "UntitledMenu0"); }
fw::AppleMenuItem& Plumivard::aboutme() { return MenuItemNamed<fw::AppleMenuItem>(*this, "aboutme"); }
fw::MenuItem& Plumivard::EditClear() { return MenuItemNamed<fw::MenuItem>(*this, "EditClear"); }
fw::MenuItem& Plumivard::EditCopyHex() { return MenuItemNamed<fw::MenuItem>(*this, "EditCopyHex"); }
fw::MenuItem& Plumivard::EditPaste() { return MenuItemNamed<fw::MenuItem>(*this, "EditPaste"); }
fw::MenuItem& Plumivard::EditCopy() { return MenuItemNamed<fw::MenuItem>(*this, "EditCopy"); }
fw::MenuItem& Plumivard::EditCut() { return MenuItemNamed<fw::MenuItem>(*this, "EditCut"); }
fw::MenuItem& Plumivard::UntitledMenu1() { return MenuItemNamed<fw::MenuItem>(*this, "UntitledMenu1"); }
fw::MenuItem& Plumivard::EditUndo() { return MenuItemNamed<fw::MenuItem>(*this, "EditUndo"); }
fw::MenuItem& Plumivard::UntitledMenu2() { return MenuItemNamed<fw::MenuItem>(*this, "UntitledMenu2"); }
fw::QuitMenuItem& Plumivard::Filequit() { return MenuItemNamed<fw::QuitMenuItem>(*this, "Filequit"); }
fw::MenuItem& Plumivard::resetmen() { return MenuItemNamed<fw::MenuItem>(*this, "resetmen"); }
fw::MenuItem& Plumivard::UntitledMenu3() { return MenuItemNamed<fw::MenuItem>(*this, "UntitledMenu3"); }

void Plumivard::AddMenuHandlers(fw::Window& w)
{
    Plumivard& window = fw::RuntimeCheckCast<Plumivard>(w);
    _AddMenuHandler("aboutme", fw::RuntimeCreateDelegate(window, &Plumivard::_aboutme_Action));
    _AddMenuHandler("resetmen", fw::RuntimeCreateDelegate(window, &Plumivard::_resetmen_Action));
    _AddMenuHandler("EditCopyHex", fw::RuntimeCreateDelegate(window, &Plumivard::_EditCopyHex_Action));
}

void Plumivard::Event_EnableMenuItems()
{
    // Copy Hex is enabled by the framework, since it has a handler here.
    aboutme().SetEnabled(true);
    resetmen().SetEnabled(true);
}

// ---------------------------------------------------------------- opening, activation, reset

void Plumivard::Event_Open()
{
    // No slider moves at opening, so the texts its handler would write are
    // written here.
    Rededit().SetText("0");
    greenedit().SetText("0");
    blueedit().SetText("0");
    redpcnt().SetText("0%");
    grnpcnt().SetText("0%");
    blupcnt().SetText("0%");
    rgbcolor().SetFillColor(fw::RGB(n, p, r));
    s = "00";
    t = "00";
    v = "00";
    hexanswer1().SetText(s);
    hexanswer2().SetText(t);
    hexanswer3().SetText(v);
    ImplicitInstance().Rededit().SetFocus();
}

void Plumivard::Event_Activate()
{
    ImplicitInstance().Rededit().SetFocus();
}

bool Plumivard::_aboutme_Action()
{
    aboutbox::ImplicitInstance().Show();
    return false;
}

bool Plumivard::_resetmen_Action()
{
    zeroall();
    return false;
}

bool Plumivard::_EditCopyHex_Action()
{
    fw::Clipboard clipboard;
    std::string text = fw::RuntimeAddString("#", hexanswer1().Text());
    text = fw::RuntimeAddString(text, hexanswer2().Text());
    text = fw::RuntimeAddString(text, hexanswer3().Text());
    clipboard.SetText(text);
    return true;
}

void Plumivard::zeroall()
{
    Rededit().SetText("0");
    greenedit().SetText("0");
    blueedit().SetText("0");
    // The slider handlers bring the channel values, percent fields and
    // swatch to zero.
    redslide().SetValue(0);
    greenslide().SetValue(0);
    bluslide().SetValue(0);
    s = "00";
    t = "00";
    v = "00";
    hexanswer1().SetText(s);
    hexanswer2().SetText(t);
    hexanswer3().SetText(v);
    hexcolor().SetFillColor(fw::RGB(255, 255, 255));
    webtxt().SetText("SAFE-FFFFFF");
    fw::ClearFocus();
}

// ---------------------------------------------------------------- controls by name

fw::TextField& Plumivard::redpcnt() { return fw::ControlOf<fw::TextField>(*this, "redpcnt"); }
fw::TextField& Plumivard::grnpcnt() { return fw::ControlOf<fw::TextField>(*this, "grnpcnt"); }
fw::TextField& Plumivard::blupcnt() { return fw::ControlOf<fw::TextField>(*this, "blupcnt"); }
fw::TextField& Plumivard::hexanswer1() { return fw::ControlOf<fw::TextField>(*this, "hexanswer1"); }
fw::Rectangle& Plumivard::hexcolor() { return fw::ControlOf<fw::Rectangle>(*this, "hexcolor"); }
fw::Rectangle& Plumivard::rgbcolor() { return fw::ControlOf<fw::Rectangle>(*this, "rgbcolor"); }
fw::GroupBox& Plumivard::GroupBox1() { return fw::ControlOf<fw::GroupBox>(*this, "GroupBox1"); }
fw::PushButton& Plumivard::convert() { return fw::ControlOf<fw::PushButton>(*this, "convert"); }
fw::PushButton& Plumivard::websafe() { return fw::ControlOf<fw::PushButton>(*this, "websafe"); }
fw::StaticText& Plumivard::StaticText1() { return fw::ControlOf<fw::StaticText>(*this, "StaticText1"); }
fw::StaticText& Plumivard::StaticText2() { return fw::ControlOf<fw::StaticText>(*this, "StaticText2"); }
fw::StaticText& Plumivard::StaticText3() { return fw::ControlOf<fw::StaticText>(*this, "StaticText3"); }
fw::StaticText& Plumivard::StaticText4() { return fw::ControlOf<fw::StaticText>(*this, "StaticText4"); }
fw::Slider& Plumivard::redslide() { return fw::ControlOf<fw::Slider>(*this, "redslide"); }
fw::Slider& Plumivard::greenslide() { return fw::ControlOf<fw::Slider>(*this, "greenslide"); }
fw::Slider& Plumivard::bluslide() { return fw::ControlOf<fw::Slider>(*this, "bluslide"); }
fw::StaticText& Plumivard::StaticText5() { return fw::ControlOf<fw::StaticText>(*this, "StaticText5"); }
fw::StaticText& Plumivard::webtxt() { return fw::ControlOf<fw::StaticText>(*this, "webtxt"); }
fw::BevelButton& Plumivard::choosecolor() { return fw::ControlOf<fw::BevelButton>(*this, "choosecolor"); }
fw::CheckBox& Plumivard::centopt() { return fw::ControlOf<fw::CheckBox>(*this, "centopt"); }
fw::PushButton& Plumivard::resetter() { return fw::ControlOf<fw::PushButton>(*this, "resetter"); }
fw::UpDownArrows& Plumivard::LittleArrows1() { return fw::ControlOf<fw::UpDownArrows>(*this, "LittleArrows1"); }
fw::UpDownArrows& Plumivard::LittleArrows2() { return fw::ControlOf<fw::UpDownArrows>(*this, "LittleArrows2"); }
fw::UpDownArrows& Plumivard::LittleArrows3() { return fw::ControlOf<fw::UpDownArrows>(*this, "LittleArrows3"); }
fw::TextField& Plumivard::hexanswer2() { return fw::ControlOf<fw::TextField>(*this, "hexanswer2"); }
fw::TextField& Plumivard::hexanswer3() { return fw::ControlOf<fw::TextField>(*this, "hexanswer3"); }
fw::TextField& Plumivard::blueedit() { return fw::ControlOf<fw::TextField>(*this, "blueedit"); }
fw::TextField& Plumivard::greenedit() { return fw::ControlOf<fw::TextField>(*this, "greenedit"); }
fw::TextField& Plumivard::Rededit() { return fw::ControlOf<fw::TextField>(*this, "Rededit"); }

// ---------------------------------------------------------------- the picker's icon

std::shared_ptr<fw::Picture> cmyk()
{
    if (!picFirstUseDone) {
        picFirstUseDone = true;
        pic = nullptr;
    }
    if (pic) return pic;
    const std::shared_ptr<fw::FolderItem> folder = _GetApplicationBundleResources();
    if (!folder) return nullptr;
    // A failed load is not kept: the next window tries the file again.
    pic = fw::NotNil(folder->Child("cmyk.gif").get()).OpenAsPicture();
    return pic;
}

std::shared_ptr<fw::FolderItem> _GetApplicationBundleResources()
{
    const std::shared_ptr<fw::FolderItem> application = fw::AppFolderItemGetter();
    const std::shared_ptr<fw::FolderItem> folder = fw::NotNil(application.get()).Parent();
    const std::shared_ptr<fw::FolderItem> bundle = fw::NotNil(folder.get()).Parent();
    return fw::NotNil(bundle.get()).Child("Resources");
}

void ResetPictureCacheForTesting()
{
    picFirstUseDone = false;
    pic = nullptr;
}

}  // namespace Plumivard
