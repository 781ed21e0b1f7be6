#pragma once
// The converter window under test, built in a bundle folder of its own with
// fake services and driven through its real widgets.

#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <gtest/gtest.h>

#include "Runtime.h"
#include "TestSupport.h"
#include "app/Startup.h"
#include "converter/Plumivard.h"

namespace converter_test {

// bin/plumivard beside Resources/, as the build lays the program out.
class Bundle {
public:
    enum class Picture { Readable, Missing, Unreadable, NoResourcesFolder, Fifo };

    explicit Bundle(Picture picture = Picture::Readable)
    {
        const std::filesystem::path root = Root(), resources = root / "Resources";
        std::filesystem::create_directories(root / "bin");
        if (picture == Picture::NoResourcesFolder) return;
        std::filesystem::create_directories(resources);
        if (picture == Picture::Readable) {
            const auto source = std::filesystem::path(__FILE__).parent_path() / "../../Resources/cmyk.gif";
            std::filesystem::copy_file(source, resources / "cmyk.gif");
        }
        if (picture == Picture::Unreadable) {
            QFile file(QString::fromStdString((resources / "cmyk.gif").string()));
            if (file.open(QIODevice::WriteOnly)) file.write("not a picture");
        }
        if (picture == Picture::Fifo) {
            EXPECT_EQ(::mkfifo((resources / "cmyk.gif").c_str(), 0600), 0);
            // Every 2 s a reader blocked on the pipe gets a writer that closes
            // at once, so a fault fails the test instead of hanging it.
            watchdog_ = std::jthread([this, fifo = resources / "cmyk.gif"](std::stop_token stop) {
                for (int tick = 1; !stop.stop_requested(); ++tick) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                    const int fd = tick % 20 == 0 ? ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK) : -1;
                    if (fd >= 0 && ::close(fd) == 0) blocked_ = true;
                }
            });
        }
    }
    std::filesystem::path Root() const { return dir_.path().toStdString(); }
    std::filesystem::path Executable() const { return Root() / "bin" / "plumivard"; }
    // Whether a reader of the pipe was found blocked and had to be released.
    bool ReaderWasBlocked() const { return blocked_; }

private:
    QTemporaryDir dir_;
    std::atomic<bool> blocked_ = false;
    std::jthread watchdog_;  // stops before the folder goes
};

struct Row {
    const char* name;
    const char *percentField, *valueField, *slider, *arrows, *hexField;
    std::int32_t Plumivard::Plumivard::*channel;
    std::int32_t Plumivard::Plumivard::*percentage;
};

using P = Plumivard::Plumivard;
inline const std::array<Row, 3> kRows{{
    {"red", "redpcnt", "Rededit", "redslide", "LittleArrows1", "hexanswer1", &P::n, &P::x},
    {"green", "grnpcnt", "greenedit", "greenslide", "LittleArrows2", "hexanswer2", &P::p, &P::y},
    {"blue", "blupcnt", "blueedit", "bluslide", "LittleArrows3", "hexanswer3", &P::r, &P::z},
}};

// A colour packed by hand, not by the framework under test.
inline fw::Color Rgb(int red, int green, int blue)
{
    return fw::Color{static_cast<std::uint32_t>(red << 16 | green << 8 | blue)};
}

// AllTexts() of a window at black, as opened and after Reset.
inline const std::vector<std::string> kZeroTexts{"0", "0%", "00", "0", "0%", "00", "0", "0%", "00"};

// Fake services and a bundle with the picture; the test opens the window.
class ConverterBundleTest : public ::testing::Test {
public:
    ConverterBundleTest() { UseBundle(defaultBundle_); }

protected:
    static void SetUpTestSuite()
    {
        if (program::plugin_entrypoints.empty()) program::FillPluginEntrypoints();
    }
    void SetUp() override { Plumivard::ResetPictureCacheForTesting(); }

    void UseBundle(const Bundle& bundle) { services().applicationFile = bundle.Executable(); }
    P& Open()
    {
        window_ = &Plumivard::ImplicitInstance();
        testing_support::ShowAndActivate(*window_);
        return *window_;
    }
    testing_support::FakeServices& services() { return scope_.services; }
    P& W() { return *window_; }
    fw::TextField& Field(const char* name) { return fw::ControlOf<fw::TextField>(*window_, name); }
    fw::Slider& SliderOf(const Row& row) { return fw::ControlOf<fw::Slider>(*window_, row.slider); }

    // Replaces the field's text as a user would; it commits when the focus
    // moves on.
    void Type(const char* name, const std::string& text) { testing_support::TypeInto(Field(name), text); }
    void Enter(const char* name, const std::string& text)
    {
        Type(name, text);
        testing_support::PressTab();
    }
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
    void Choose(const QString& caption)
    {
        QAction* action = testing_support::ActionOf(*window_, caption);
        ASSERT_NE(action, nullptr) << caption.toStdString();
        action->trigger();
        fw::RuntimeThrowPendingException();
    }
    std::string Focused() const
    {
        const fw::RectControl* control = window_->FocusedControl();
        return control == nullptr ? std::string() : control->Name();
    }
    // The value, percent and hexadecimal texts of each row, red first.
    std::vector<std::string> AllTexts()
    {
        std::vector<std::string> texts;
        for (const Row& row : kRows) {
            for (const char* name : {row.valueField, row.percentField, row.hexField}) {
                texts.push_back(Field(name).Text());
            }
        }
        return texts;
    }
    std::array<int, 3> Channels() const { return {window_->n, window_->p, window_->r}; }

private:
    // Declared first, so the windows go before their bundle folder.
    Bundle defaultBundle_;
    testing_support::ServicesScope scope_;
    P* window_ = nullptr;
};

// The window open and active, as after start-up.
class ConverterTest : public ConverterBundleTest {
protected:
    void SetUp() override
    {
        ConverterBundleTest::SetUp();
        Open();
    }
};

}  // namespace converter_test
