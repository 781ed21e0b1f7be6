// The framework's controls as the program relies on them: the slider's
// ValueChanged rule, typing limits, when a field loses the focus, focus on
// activation, and that no exception unwinds through the toolkit.

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
        SetWidth(200);
        SetHeight(120);
    }
    void CreateControls() override
    {
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

    // Logs "event name", or for the slider "ValueChanged value".
    template <class T>
    T& Add(const char* name, QRect place, std::int32_t tabIndex, const char* event)
    {
        T& control = NewControl<T>(name);
        for (auto [set, value] : {std::pair{&T::SetLeft, place.left()}, {&T::SetTop, place.top()},
                                  {&T::SetWidth, place.width()}, {&T::SetHeight, place.height()},
                                  {&T::SetTabIndex, tabIndex}}) {
            (control.*set)(value);
        }
        fw::_InstallInstanceEventHandler(control, event, [this, event](fw::Control& me) {
            std::string entry = std::string(event) + " " + me.Name();
            if (&me == slider) entry = "ValueChanged " + std::to_string(slider->Value());
            log.push_back(entry);
            if (&me == button && throwOnAction) throw fw::NilObjectException();
        });
        return control;
    }

    std::vector<std::string> log;
    bool throwOnAction = false;
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
    QLineEdit* Edit(fw::TextField& field) { return static_cast<QLineEdit*>(field.Widget()); }
    testing_support::ServicesScope scope;
    ProbeWindow* window = nullptr;
};

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

// The limit of 3 counts characters; the program's own text shows whole.
struct Limit { const char* name; const char* programText; bool paste, selectAll; std::string_view input;
               const char* shown; };
const Limit kLimits[] = {
    {"PasteIsCutToFit", "", true, false, "98765", "987"},
    {"EmojiTypedCountsOneCharacter", "12", false, false, "\U0001F600\U0001F600", "12\U0001F600"},
    {"EmojiPastedIsNeverCutInHalf", "", true, false, "12\U0001F600\U0001F600", "12\U0001F600"},
    {"PasteDropsControlCharacters", "", true, false, std::string_view("1\0\a2\n", 5), "12"},
    {"ReplacingPasteOverLongerProgramTextEndsAtTheLimit", "100%", true, true, "98765", "987"},
    {"TypingCannotLengthenLongerProgramText", "100%", false, false, "9", "100%"},
};

TEST_F(FrameworkControls, TypingAndPastingStopAtTheLimitInCharacters)
{
    for (const Limit& row : kLimits) {
        SCOPED_TRACE(row.name);
        fw::TextField& field = *window->first;
        field.SetText(row.programText);
        field.SetFocus();
        row.selectAll ? Edit(field)->selectAll() : Edit(field)->end(false);
        const QString input = QString::fromUtf8(row.input.data(), static_cast<qsizetype>(row.input.size()));
        if (row.paste) {
            QGuiApplication::clipboard()->setText(input);
            QTest::keyClick(Edit(field), Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::sendKeyEvent(QTest::Click, Edit(field), Qt::Key_unknown, input, Qt::NoModifier);
        }
        EXPECT_EQ(field.Text(), row.shown);
    }
    QTest::keyClick(Edit(*window->first), Qt::Key_Backspace);
    EXPECT_EQ(window->first->Text(), "100") << "a longer program text may still be shortened";
}

// A focus change from code commits only what the user typed since the
// program last set the text, whether the window is active or a modal dialog
// has taken it.
TEST_F(FrameworkControls, AFocusChangeFromCodeCommitsOnlyWhatTheUserTyped)
{
    const std::pair<const char*, void (*)(ProbeWindow&)> moves[] = {
        {"SetFocus", [](ProbeWindow& w) { w.second->SetFocus(); }},
        {"ClearFocus", [](ProbeWindow&) { fw::ClearFocus(); }},
        {"hiding", [](ProbeWindow& w) { w.first->SetVisible(false); }}};
    for (const auto& [how, move] : moves) {
        for (const bool typed : {true, false}) {
            for (const bool modal : {false, true}) {
                SCOPED_TRACE(std::string(how) + (typed ? ", typed" : ", program text") + (modal ? ", dialog" : ""));
                window->first->SetVisible(true);
                testing_support::TypeInto(*window->first, "7");
                if (!typed) window->first->SetText("7%");
                QWidget dialog;
                dialog.setWindowModality(Qt::ApplicationModal);
                if (modal) testing_support::Activate(&dialog);
                window->log.clear();
                move(*window);
                EXPECT_EQ(window->log, typed ? std::vector<std::string>{"LostFocus first"} : std::vector<std::string>{});
                window->log.clear();
                window->second->SetFocus();
                dialog.hide();
                testing_support::ShowAndActivate(*window);
                EXPECT_EQ(window->log, std::vector<std::string>{}) << "committed once only";
            }
        }
    }
}

TEST_F(FrameworkControls, AWindowActivatedAgainRefocusesOnlyTheControlThatHadTheFocus)
{
    window->second->SetFocus();
    testing_support::SwitchAwayAndBack(*window);
    EXPECT_EQ(window->FocusedControl(), window->second);

    window->hidden->SetFocus();
    testing_support::SwitchAwayAndBack(*window);
    EXPECT_EQ(window->FocusedControl(), window->second) << "SetFocus on a hidden field does nothing";

    window->button->SetTabIndex(0);  // first in line for a window that refocuses its first control
    window->button->SetFocus();
    fw::ClearFocus();
    testing_support::SwitchAwayAndBack(*window);
    EXPECT_EQ(window->FocusedControl(), nullptr);
    window->log.clear();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(window->log, std::vector<std::string>{}) << "Space presses no button";
}

TEST_F(FrameworkControls, AnExceptionFromAUserEventIsKeptAndThrownAfterTheToolkitReturns)
{
    window->throwOnAction = true;
    QTest::mouseClick(window->button->Widget(), Qt::LeftButton);
    EXPECT_THROW(fw::RuntimeThrowPendingException(), fw::NilObjectException);
    EXPECT_NO_THROW(fw::RuntimeThrowPendingException()) << "thrown once";

    QWidget* button = window->button->Widget();
    QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
    QTimer::singleShot(5000, qApp, [] { fw::RuntimeQuit(); });  // watchdog
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
