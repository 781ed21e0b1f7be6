// The framework's controls as the program relies on them: the slider's
// ValueChanged rule, typing limits, when a field loses the focus, and that
// no exception unwinds through the toolkit.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "Controls.h"
#include "PropertyStream.h"
#include "Runtime.h"
#include "TestSupport.h"
#include "Window.h"

namespace {

using testing_support::ServicesScope;

// A window built in code, with a few controls and a log of their events.
class ProbeWindow : public fw::Window {
public:
    static const fw::ClassRecord& ClassInfo()
    {
        static const fw::ClassRecord record{"Probe.Probe", &fw::Window::ClassInfo()};
        return record;
    }
    const fw::ClassRecord& Class() const override { return ClassInfo(); }

    void Layout() override
    {
        hooks.push_back("Layout");
        SetWidth(200);
        SetHeight(120);
        SetTitle("Probe");
    }
    void CreateControls() override
    {
        hooks.push_back("CreateControls");
        // Created in another order than their TabIndex.
        hidden = &Field("hidden", 60, 2);
        second = &Field("second", 30, 3);
        first = &Field("first", 0, 1);
        hidden->SetVisible(false);
        slider = &NewControl<fw::Slider>("slider");
        slider->SetMaximum(255);
        slider->SetLeft(0);
        slider->SetTop(90);
        slider->SetWidth(100);
        slider->SetHeight(16);
        slider->SetTabIndex(4);
        fw::_InstallInstanceEventHandler(*slider, "ValueChanged", [this](fw::Control&) {
            log.push_back("ValueChanged " + std::to_string(slider->Value()));
        });
        button = &NewControl<fw::PushButton>("button");
        button->SetLeft(110);
        button->SetTop(0);
        button->SetWidth(80);
        button->SetHeight(20);
        button->SetCaption("Go");
        button->SetTabIndex(5);
        fw::_InstallInstanceEventHandler(*button, "Action", [this](fw::Control&) {
            log.push_back("Action");
            if (throwOnAction) throw fw::NilObjectException();
        });
        arrows = &NewControl<fw::UpDownArrows>("arrows");
        arrows->SetAcceptFocus(false);
        arrows->SetLeft(110);
        arrows->SetTop(30);
        arrows->SetWidth(13);
        arrows->SetHeight(23);
        fw::_InstallInstanceEventHandler(*arrows, "Up", [this](fw::Control&) { log.push_back("Up"); });
        fw::_InstallInstanceEventHandler(*arrows, "Down", [this](fw::Control&) { log.push_back("Down"); });
    }
    void AddMenuHandlers(fw::Window&) override { hooks.push_back("AddMenuHandlers"); }
    void Event_Open() override
    {
        hooks.push_back("Open");
        knownAtOpen = fw::RuntimeGetImplicitWindow("Probe.Probe") == this;
    }

    fw::TextField& Field(const char* name, std::int32_t top, std::int32_t tabIndex)
    {
        auto& field = NewControl<fw::TextField>(name);
        field.SetLeft(0);
        field.SetTop(top);
        field.SetWidth(80);
        field.SetHeight(22);
        field.SetLimitText(3);
        field.SetTabIndex(tabIndex);
        fw::_InstallInstanceEventHandler(field, "LostFocus",
                                         [this](fw::Control& me) { log.push_back("LostFocus " + me.Name()); });
        return field;
    }

    std::vector<std::string> hooks, log;
    bool knownAtOpen = false, throwOnAction = false;
    fw::TextField *first = nullptr, *second = nullptr, *hidden = nullptr;
    fw::Slider* slider = nullptr;
    fw::PushButton* button = nullptr;
    fw::UpDownArrows* arrows = nullptr;
};

class FrameworkControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = &fw::ImplicitWindow<ProbeWindow>();
        testing_support::ShowAndActivate(*window);
    }
    ServicesScope scope;
    ProbeWindow* window = nullptr;
};

TEST_F(FrameworkControls, ConstructionRunsHooksInOrderAndKnowsTheWindowBeforeOpen)
{
    EXPECT_EQ(window->hooks, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
    EXPECT_TRUE(window->knownAtOpen);
    EXPECT_EQ(&fw::ImplicitWindow<ProbeWindow>(), window);
    EXPECT_EQ(window->hooks.size(), 4u) << "a second accessor call must not construct again";
    EXPECT_EQ(window->Content()->size(), QSize(200, 120));
}

TEST_F(FrameworkControls, SliderSetFromCodeIsLimitedAndRaisesValueChangedEveryTime)
{
    window->slider->SetValue(300);
    window->slider->SetValue(300);
    window->slider->SetValue(-1);
    EXPECT_EQ(window->log,
              (std::vector<std::string>{"ValueChanged 255", "ValueChanged 255", "ValueChanged 0"}));
}

TEST_F(FrameworkControls, SliderMovedByTheUserRaisesValueChangedOncePerChange)
{
    window->slider->SetFocus();
    window->log.clear();
    QTest::keyClick(window->slider->Widget(), Qt::Key_Right);
    QTest::keyClick(window->slider->Widget(), Qt::Key_Left);
    QTest::keyClick(window->slider->Widget(), Qt::Key_Left);  // already at 0: no change
    EXPECT_EQ(window->log, (std::vector<std::string>{"ValueChanged 1", "ValueChanged 0"}));
}

TEST_F(FrameworkControls, TypingAndPastingStopAtTheLimitButCodeSetsWholeText)
{
    testing_support::TypeInto(*window->first, "12345");
    EXPECT_EQ(window->first->Text(), "123");

    QGuiApplication::clipboard()->setText(QStringLiteral("98765"));
    auto* edit = static_cast<QLineEdit*>(window->first->Widget());
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->first->Text(), "987");

    window->first->SetText("100%");
    EXPECT_EQ(window->first->Text(), "100%");
    edit->end(false);
    QTest::keyClicks(edit, "9");
    EXPECT_EQ(window->first->Text(), "100%") << "typing may not lengthen a text already past the limit";
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(window->first->Text(), "100") << "but it may shorten it";
}

TEST_F(FrameworkControls, FieldLosesFocusOnTabClickSetFocusClearFocusAndHiding)
{
    testing_support::TypeInto(*window->first, "7");
    testing_support::PressTab();
    EXPECT_EQ(window->log.back(), "LostFocus first");
    EXPECT_TRUE(window->second->HasFocus()) << "tab order follows TabIndex, skipping the hidden field";

    window->log.clear();
    testing_support::Click(*window->button);
    EXPECT_EQ(window->log, (std::vector<std::string>{"LostFocus second", "Action"}))
        << "a push button takes the focus, so the field commits before the action";

    window->log.clear();
    window->first->SetFocus();
    window->second->SetFocus();
    EXPECT_EQ(window->log, (std::vector<std::string>{"LostFocus first"}));

    window->log.clear();
    fw::ClearFocus();
    EXPECT_EQ(window->log, (std::vector<std::string>{"LostFocus second"}));
    EXPECT_EQ(QApplication::focusWidget(), nullptr);

    window->second->SetFocus();
    window->log.clear();
    window->second->SetVisible(false);
    EXPECT_EQ(window->log, (std::vector<std::string>{"LostFocus second"}));
}

TEST_F(FrameworkControls, SetFocusOnAHiddenFieldDoesNothing)
{
    window->first->SetFocus();
    window->log.clear();
    window->hidden->SetFocus();
    EXPECT_TRUE(window->first->HasFocus());
    EXPECT_TRUE(window->log.empty());
}

TEST_F(FrameworkControls, ArrowsNeverTakeTheFocusAndRepeatWhileHeld)
{
    window->first->SetFocus();
    QTest::mouseClick(window->arrows->DownButton(), Qt::LeftButton);
    EXPECT_EQ(window->log, (std::vector<std::string>{"Down"}));
    EXPECT_TRUE(window->first->HasFocus());

    window->log.clear();
    QTest::mousePress(window->arrows->UpButton(), Qt::LeftButton);
    QTest::qWait(500);
    QTest::mouseRelease(window->arrows->UpButton(), Qt::LeftButton);
    EXPECT_GT(window->log.size(), 2u);
    EXPECT_EQ(std::count(window->log.begin(), window->log.end(), "Up"), static_cast<long>(window->log.size()));
}

TEST_F(FrameworkControls, AnExceptionFromAUserEventIsKeptAndThrownAfterTheToolkitReturns)
{
    window->throwOnAction = true;
    QTest::mouseClick(window->button->Widget(), Qt::LeftButton);
    EXPECT_THROW(fw::RuntimeThrowPendingException(), fw::NilObjectException);
    EXPECT_NO_THROW(fw::RuntimeThrowPendingException()) << "thrown once";
}

TEST_F(FrameworkControls, RuntimeRunEndsOnAnEscapedExceptionAndThrowsIt)
{
    window->throwOnAction = true;
    QTimer::singleShot(0, window->button->Widget(), [this] { QTest::mouseClick(window->button->Widget(), Qt::LeftButton); });
    EXPECT_THROW(fw::RuntimeRun(), fw::NilObjectException);
}

TEST_F(FrameworkControls, BindingAnEventTheClassDoesNotRaiseFailsAtOnce)
{
    EXPECT_THROW(fw::_InstallInstanceEventHandler(*window->first, "Action", [](fw::Control&) {}),
                 fw::UnknownEventException);
    EXPECT_THROW(fw::_InstallInstanceEventHandler(*window->arrows, "ValueChanged", [](fw::Control&) {}),
                 fw::UnknownEventException);
}

TEST_F(FrameworkControls, ClosingForgetsTheWindowAndTheNextAccessorBuildsANewOne)
{
    window->Close();
    EXPECT_EQ(fw::RuntimeGetImplicitWindow("Probe.Probe"), nullptr);
    ProbeWindow& next = fw::ImplicitWindow<ProbeWindow>();
    EXPECT_EQ(next.hooks.size(), 4u);
}

class FailingWindow : public ProbeWindow {
public:
    static const fw::ClassRecord& ClassInfo()
    {
        static const fw::ClassRecord record{"Probe.Failing", &fw::Window::ClassInfo()};
        return record;
    }
    const fw::ClassRecord& Class() const override { return ClassInfo(); }
    void CreateControls() override
    {
        ProbeWindow::CreateControls();
        fw::RaiseNilObjectException();
    }
};

TEST(FrameworkWindows, AnExceptionDuringConstructionPassesOutAndLeavesNoWindow)
{
    ServicesScope scope;
    EXPECT_THROW(fw::ImplicitWindow<FailingWindow>(), fw::NilObjectException);
    EXPECT_EQ(fw::RuntimeGetImplicitWindow("Probe.Failing"), nullptr);
    EXPECT_TRUE(fw::OpenWindows().empty());
}

}  // namespace
