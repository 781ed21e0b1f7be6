#pragma once

#include <string_view>

#include "Controls.h"
#include "Window.h"

// The about window: name, version and a donation appeal, with a button that
// opens the product's web page and one that closes the window.
namespace aboutbox {

// Lines are separated by carriage returns, as the label expects.
extern const std::string_view kAboutText;
extern const std::string_view kProductPage;

// The property streams of the window and of its three controls.
extern const std::string_view kWindowStream;
extern const std::string_view kOKbuttonStream;
extern const std::string_view kStaticText1Stream;
extern const std::string_view kBevelButton1Stream;

class aboutbox : public fw::Window {
public:
    static const fw::ClassRecord& ClassInfo();
    static const fw::ClassRecord& Lookup();
    const fw::ClassRecord& Class() const override { return ClassInfo(); }

    void Layout() override;
    void CreateControls() override;
    virtual void _CreateControls0();

    fw::PushButton& OKbutton();
    fw::StaticText& StaticText1();
    fw::BevelButton& BevelButton1();

    virtual void OKbutton_Action();
    virtual void BevelButton1_Action();
};

// The open about window, or a new one built now.
aboutbox& ImplicitInstance();

}  // namespace aboutbox
