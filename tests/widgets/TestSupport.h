#pragma once
// Shared by the widget tests: services that tests answer, and helpers that
// drive the real widgets with input events.

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Controls.h"
#include "Services.h"
#include "Window.h"

namespace testing_support {

class FakeServices : public fw::Services {
public:
    // The colour the picker hands back; nullopt answers Cancel.
    std::optional<fw::Color> pickerAnswer;
    std::vector<std::pair<fw::Color, std::string>> pickerCalls;  // colour passed in, prompt
    std::string clipboard;
    int beeps = 0;
    std::vector<std::string> urls;
    std::filesystem::path applicationFile = "/nonexistent/bundle/bin/plumivard";
    std::vector<std::filesystem::path> pictureLoads;

    bool SelectColor(fw::Color& colour, std::string_view prompt) override
    {
        pickerCalls.emplace_back(colour, std::string(prompt));
        if (!pickerAnswer) return false;
        colour = *pickerAnswer;
        return true;
    }
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    std::string ClipboardText() override { return clipboard; }
    void Beep() override { ++beeps; }
    void ShowURL(std::string_view address) override { urls.emplace_back(address); }
    std::filesystem::path ApplicationFile() override { return applicationFile; }
    std::shared_ptr<fw::Picture> OpenAsPicture(const std::filesystem::path& file) override
    {
        pictureLoads.push_back(file);
        return fw::PlatformServices().OpenAsPicture(file);
    }
};

// Installs fresh fake services for the test's lifetime and closes every
// window afterwards.
class ServicesScope {
public:
    ServicesScope() { fw::InstallServices(&services); }
    ~ServicesScope()
    {
        fw::ReleaseWindows();
        fw::InstallServices(nullptr);
    }
    FakeServices services;
};

// Shows the window and waits until it is active, as a user's window would be.
void ShowAndActivate(fw::Window& window);

// Clicks a control's widget in its middle.
void Click(fw::RectControl& control);
// Gives a field the focus with a click and types the text, as a user would.
void TypeInto(fw::TextField& field, const std::string& text);
// Presses Tab in the focused widget.
void PressTab();

}  // namespace testing_support
