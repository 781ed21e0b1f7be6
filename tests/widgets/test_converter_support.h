#pragma once
// The converter window under test: built in a bundle folder of its own with
// fake services, shown and active, and driven through its real widgets.

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <gtest/gtest.h>

#include "Runtime.h"
#include "TestSupport.h"
#include "Window.h"
#include "app/Startup.h"
#include "converter/Plumivard.h"

namespace converter_test {

// The picture that the build puts in the bundle.
inline std::filesystem::path SourcePicture()
{
    return std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "Resources" / "cmyk.gif";
}

// A bundle folder: bin/plumivard beside Resources/, as the build lays it out.
class Bundle {
public:
    enum class Picture { Readable, Missing, Unreadable, NoResourcesFolder };

    explicit Bundle(Picture picture = Picture::Readable)
    {
        const std::filesystem::path root = Root();
        std::filesystem::create_directories(root / "bin");
        if (picture == Picture::NoResourcesFolder) return;
        std::filesystem::create_directories(root / "Resources");
        if (picture == Picture::Readable) std::filesystem::copy_file(SourcePicture(), root / "Resources" / "cmyk.gif");
        if (picture == Picture::Unreadable) {
            QFile file(QString::fromStdString((root / "Resources" / "cmyk.gif").string()));
            if (file.open(QIODevice::WriteOnly)) file.write("not a picture");
        }
    }
    std::filesystem::path Root() const { return dir_.path().toStdString(); }
    std::filesystem::path Executable() const { return Root() / "bin" / "plumivard"; }

private:
    QTemporaryDir dir_;
};

// Channel rows by their controls' names.
struct Row {
    const char* name;
    std::string_view percentField, valueField, slider, arrows, hexField;
    std::int32_t Plumivard::Plumivard::*channel;
    std::int32_t Plumivard::Plumivard::*percentage;
};

inline const std::array<Row, 3> kRows{{
    {"red", "redpcnt", "Rededit", "redslide", "LittleArrows1", "hexanswer1", &Plumivard::Plumivard::n,
     &Plumivard::Plumivard::x},
    {"green", "grnpcnt", "greenedit", "greenslide", "LittleArrows2", "hexanswer2", &Plumivard::Plumivard::p,
     &Plumivard::Plumivard::y},
    {"blue", "blupcnt", "blueedit", "bluslide", "LittleArrows3", "hexanswer3", &Plumivard::Plumivard::r,
     &Plumivard::Plumivard::z},
}};

// Fake services and a bundle; the window is opened by the test.
class ConverterBundleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (program::plugin_entrypoints.empty()) program::FillPluginEntrypoints();
    }

    void UseBundle(const Bundle& bundle) { services().applicationFile = bundle.Executable(); }

    Plumivard::Plumivard& Open()
    {
        window_ = &Plumivard::ImplicitInstance();
        testing_support::ShowAndActivate(*window_);
        return *window_;
    }

    testing_support::FakeServices& services() { return scope_.services; }
    Plumivard::Plumivard& W() { return *window_; }

    template <class T>
    T& C(std::string_view name)
    {
        return fw::ControlOf<T>(*window_, name);
    }
    fw::TextField& Field(std::string_view name) { return C<fw::TextField>(name); }
    fw::Slider& SliderOf(const Row& row) { return C<fw::Slider>(row.slider); }

    // Replaces the field's text by typing, as a user would; nothing commits
    // until the focus moves on.
    void Type(std::string_view name, const std::string& text)
    {
        fw::TextField& field = Field(name);
        testing_support::Click(field);
        static_cast<QLineEdit*>(field.Widget())->selectAll();
        QTest::keyClick(field.Widget(), Qt::Key_Backspace);
        QTest::keyClicks(field.Widget(), QString::fromStdString(text));
        fw::RuntimeThrowPendingException();
    }
    // Types and then presses Tab.
    void Enter(std::string_view name, const std::string& text)
    {
        Type(name, text);
        testing_support::PressTab();
    }
    // Commits a colour through the 0-255 fields.
    void EnterColour(int red, int green, int blue)
    {
        Enter("Rededit", std::to_string(red));
        Enter("greenedit", std::to_string(green));
        Enter("blueedit", std::to_string(blue));
    }
    void PressKey(fw::RectControl& control, Qt::Key key)
    {
        QTest::keyClick(control.Widget(), key);
        fw::RuntimeThrowPendingException();
    }
    // The name of the control that has the keyboard focus, or "".
    std::string Focused() const
    {
        const fw::RectControl* control = window_->FocusedControl();
        return control == nullptr ? std::string() : control->Name();
    }

private:
    Bundle defaultBundle_;
    testing_support::ServicesScope scope_;
    Plumivard::Plumivard* window_ = nullptr;

public:
    ConverterBundleTest() { services().applicationFile = defaultBundle_.Executable(); }
    void SetUp() override { Plumivard::ResetPictureCacheForTesting(); }
};

// The converter window open and active, as after start-up.
class ConverterTest : public ConverterBundleTest {
protected:
    void SetUp() override
    {
        ConverterBundleTest::SetUp();
        Open();
    }
};

inline fw::Color Rgb(int red, int green, int blue)
{
    return fw::RGB(red, green, blue);
}

}  // namespace converter_test
