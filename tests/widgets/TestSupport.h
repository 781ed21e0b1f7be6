#pragma once
// Shared by the widget tests: services that tests answer, and helpers that
// drive the real widgets with input events.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>
#include <gtest/gtest.h>

#include "Controls.h"
#include "Runtime.h"
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

// Shows a top-level widget and waits, at most five seconds, until it is the
// active window, as a user's switch to it would make it.
inline void Activate(QWidget* top)
{
    top->show();
    top->activateWindow();
    QApplication::setActiveWindow(top);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
}

inline void ShowAndActivate(fw::Window& window) { window.Show(); Activate(window.Widget()); }

// Activates another window and then this one again, as a user switching away and back.
inline void SwitchAwayAndBack(fw::Window& window)
{
    QWidget other;
    Activate(&other);
    ShowAndActivate(window);
}

// Clicks a control's widget in its middle.
inline void Click(fw::RectControl& control)
{
    QTest::mouseClick(control.Widget(), Qt::LeftButton, Qt::NoModifier, control.Widget()->rect().center());
    fw::RuntimeThrowPendingException();
}

// Gives a field the focus with a click and replaces its text by typing, as a
// user would.
inline void TypeInto(fw::TextField& field, const std::string& text)
{
    Click(field);
    static_cast<QLineEdit*>(field.Widget())->selectAll();
    QTest::keyClick(field.Widget(), Qt::Key_Backspace);
    QTest::keyClicks(field.Widget(), QString::fromStdString(text));
}

// Presses Tab in the focused widget.
inline void PressTab()
{
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    fw::RuntimeThrowPendingException();
}

// The window's menu action with this caption, or null.
inline QAction* ActionOf(fw::Window& window, const QString& caption)
{
    for (QAction* action : window.Widget()->findChildren<QAction*>()) {
        if (action->text() == caption) return action;
    }
    return nullptr;
}

}  // namespace testing_support
