#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "Controls.h"
#include "Menu.h"
#include "Services.h"
#include "Window.h"

// The converter window: one colour in percent, 0-255, slider, hexadecimal
// and web-safe notation.
namespace Plumivard {

class Plumivard : public fw::Window {
public:
    Plumivard() = default;
    ~Plumivard() override;
    static const fw::ClassRecord& ClassInfo();
    static const fw::ClassRecord& Lookup();
    const fw::ClassRecord& Class() const override { return ClassInfo(); }

    // Channel values: red, green, blue.
    std::int32_t n = 0, p = 0, r = 0;
    // Hexadecimal pairs of the channels.
    std::string s, t, v;
    // Percentages as last read from the percent fields.
    std::int32_t x = 0, y = 0, z = 0;

    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();
    void redpcnt_LostFocus();
    void grnpcnt_LostFocus();
    void blupcnt_LostFocus();
    void hexanswer1_LostFocus(fw::Control& me);
    void convert_Action();
    void websafe_Action();
    void redslide_ValueChanged();
    void greenslide_ValueChanged();
    void bluslide_ValueChanged();
    void choosecolor_Action();
    void centopt_Action();
    void resetter_Action();
    void LittleArrows1_Up();
    void LittleArrows1_Down();
    void LittleArrows2_Up();
    void LittleArrows2_Down();
    void LittleArrows3_Up();
    void LittleArrows3_Down();
    void hexanswer2_LostFocus(fw::Control& me);
    void hexanswer3_LostFocus(fw::Control& me);
    void blueedit_LostFocus();
    void greenedit_LostFocus();
    void Rededit_LostFocus();

    // Items of the window's menu bar, found by name.
    fw::MenuItem& UntitledMenu0();
    fw::AppleMenuItem& aboutme();
    fw::MenuItem& EditClear();
    fw::MenuItem& EditCopyHex();
    fw::MenuItem& EditPaste();
    fw::MenuItem& EditCopy();
    fw::MenuItem& EditCut();
    fw::MenuItem& UntitledMenu1();
    fw::MenuItem& EditUndo();
    fw::MenuItem& UntitledMenu2();
    fw::QuitMenuItem& Filequit();
    fw::MenuItem& resetmen();
    // Names no item of the menu bar: raises NilObjectException.
    fw::MenuItem& UntitledMenu3();

    void AddMenuHandlers(fw::Window& w) override;
    void Event_EnableMenuItems() override;
    void Event_Open() override;
    void Event_Activate() override;
    bool _aboutme_Action();
    bool _resetmen_Action();
    bool _EditCopyHex_Action();
    void zeroall();

    // The controls, found by name.
    fw::TextField& redpcnt();
    fw::TextField& grnpcnt();
    fw::TextField& blupcnt();
    fw::TextField& hexanswer1();
    fw::Rectangle& hexcolor();
    fw::Rectangle& rgbcolor();
    fw::GroupBox& GroupBox1();
    fw::PushButton& convert();
    fw::PushButton& websafe();
    fw::StaticText& StaticText1();
    fw::StaticText& StaticText2();
    fw::StaticText& StaticText3();
    fw::StaticText& StaticText4();
    fw::Slider& redslide();
    fw::Slider& greenslide();
    fw::Slider& bluslide();
    fw::StaticText& StaticText5();
    fw::StaticText& webtxt();
    fw::BevelButton& choosecolor();
    fw::CheckBox& centopt();
    fw::PushButton& resetter();
    fw::UpDownArrows& LittleArrows1();
    fw::UpDownArrows& LittleArrows2();
    fw::UpDownArrows& LittleArrows3();
    fw::TextField& hexanswer2();
    fw::TextField& hexanswer3();
    fw::TextField& blueedit();
    fw::TextField& greenedit();
    fw::TextField& Rededit();
};

// The open converter window, or a new one built now.
Plumivard& ImplicitInstance();

// The colour picker button's icon, read once from the bundle's Resources
// folder; null when it cannot be had, and then tried again on the next call.
std::shared_ptr<fw::Picture> cmyk();
// The bundle's Resources folder: the application file's grandparent's child.
std::shared_ptr<fw::FolderItem> _GetApplicationBundleResources();
// Forgets the loaded icon, so the next call of cmyk reads the file again.
void ResetPictureCacheForTesting();

}  // namespace Plumivard
