// The framework's controls as the program relies on them: the slider's
// ValueChanged rule, typing limits, when a field loses the focus, and that
// no exception unwinds through the toolkit.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "Controls.h"
#include "Runtime.h"
#include "TestSupport.h"
#include "Window.h"

namespace {

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
    }
    void CreateControls() override
    {
        hooks.push_back("CreateControls");
        // Created in another order than their TabIndex.
        hidden = &Add<fw::TextField>("hidden", {0, 60, 80, 22}, 2, "LostFocus");
        second = &Add<fw::TextField>("second", {0, 30, 80, 22}, 3, "LostFocus");
        first = &Add<fw::TextField>("first", {0, 0, 80, 22}, 1, "LostFocus");
        for (fw::TextField* field : {hidden, second, first}) field->SetLimitText(3);
        hidden->SetVisible(false);
        slider = &Add<fw::Slider>("slider", {0, 90, 100, 16}, 4, "ValueChanged");
        slider->SetMaximum(255);
        button = &Add<fw::PushButton>("button", {110, 0, 80, 20}, 5, "Action");
    }
    void AddMenuHandlers(fw::Window&) override { hooks.push_back("AddMenuHandlers"); }
    void Event_Open() override
    {
        hooks.push_back("Open");
        knownAtOpen = fw::RuntimeGetImplicitWindow("Probe.Probe") == this;
    }

    // Logs "event name", or for the slider "ValueChanged value".
    template <class T>
    T& Add(const char* name, QRect place, std::int32_t tabIndex, const char* event)
    {
        T& control = NewControl<T>(name);
        control.SetLeft(place.left());
        control.SetTop(place.top());
        control.SetWidth(place.width());
        control.SetHeight(place.height());
        control.SetTabIndex(tabIndex);
        fw::_InstallInstanceEventHandler(control, event, [this, event](fw::Control& me) {
            std::string entry = std::string(event) + " " + me.Name();
            if (&me == slider) entry = "ValueChanged " + std::to_string(slider->Value());
            log.push_back(entry);
            if (&me == button && throwOnAction) throw fw::NilObjectException();
        });
        return control;
    }

    std::vector<std::string> hooks, log;
    bool knownAtOpen = false, throwOnAction = false;
    fw::TextField *first = nullptr, *second = nullptr, *hidden = nullptr;
    fw::Slider* slider = nullptr;
    fw::PushButton* button = nullptr;
};

class FrameworkControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = &fw::ImplicitWindow<ProbeWindow>();
        testing_support::ShowAndActivate(*window);
    }
    testing_support::ServicesScope scope;
    ProbeWindow* window = nullptr;
};

TEST_F(FrameworkControls, ConstructionRunsHooksInOrderAndKnowsTheWindowBeforeOpen)
{
    EXPECT_EQ(&fw::ImplicitWindow<ProbeWindow>(), window);
    EXPECT_EQ(window->hooks, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open"}))
        << "once, and not again for the second accessor call";
    EXPECT_TRUE(window->knownAtOpen);
    EXPECT_EQ(window->Content()->size(), QSize(200, 120));
}

TEST_F(FrameworkControls, SliderRaisesValueChangedOnEverySetFromCodeButOnlyOnAUsersChange)
{
    window->slider->SetFocus();
    window->log.clear();
    window->slider->SetValue(300);
    window->slider->SetValue(300);
    window->slider->SetValue(-1);
    QTest::keyClick(window->slider->Widget(), Qt::Key_Right);
    QTest::keyClick(window->slider->Widget(), Qt::Key_Left);
    QTest::keyClick(window->slider->Widget(), Qt::Key_Left);  // already at 0: no change
    EXPECT_EQ(window->log, (std::vector<std::string>{"ValueChanged 255", "ValueChanged 255", "ValueChanged 0",
                                                     "ValueChanged 1", "ValueChanged 0"}));
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

TEST_F(FrameworkControls, FieldLosesFocusOnTabClickSetFocusClearFocusAndHidingButNotToAHiddenField)
{
    testing_support::TypeInto(*window->first, "7");
    testing_support::PressTab();
    EXPECT_EQ(window->log.back(), "LostFocus first");
    EXPECT_TRUE(window->second->HasFocus()) << "tab order follows TabIndex, skipping the hidden field";

    window->log.clear();
    testing_support::Click(*window->button);
    EXPECT_EQ(window->log, (std::vector<std::string>{"LostFocus second", "Action button"}))
        << "a push button takes the focus, so the field commits before the action";

    window->log.clear();
    window->first->SetFocus();
    window->hidden->SetFocus();
    EXPECT_TRUE(window->first->HasFocus()) << "SetFocus on a hidden field does nothing";
    window->second->SetFocus();
    fw::ClearFocus();
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    window->first->SetFocus();
    window->first->SetVisible(false);
    EXPECT_EQ(window->log, (std::vector<std::string>{"LostFocus first", "LostFocus second", "LostFocus first"}));
}

TEST_F(FrameworkControls, AnExceptionFromAUserEventIsKeptAndThrownAfterTheToolkitReturns)
{
    window->throwOnAction = true;
    QTest::mouseClick(window->button->Widget(), Qt::LeftButton);
    EXPECT_THROW(fw::RuntimeThrowPendingException(), fw::NilObjectException);
    EXPECT_NO_THROW(fw::RuntimeThrowPendingException()) << "thrown once";

    QWidget* button = window->button->Widget();
    QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
    EXPECT_THROW(fw::RuntimeRun(), fw::NilObjectException) << "and RuntimeRun ends on it";
}

TEST_F(FrameworkControls, BindingAnEventTheClassDoesNotRaiseFailsAtOnce)
{
    EXPECT_THROW(fw::_InstallInstanceEventHandler(*window->first, "Action", [](fw::Control&) {}),
                 fw::UnknownEventException);
    EXPECT_THROW(fw::_InstallInstanceEventHandler(*window->button, "ValueChanged", [](fw::Control&) {}),
                 fw::UnknownEventException);
}

}  // namespace
