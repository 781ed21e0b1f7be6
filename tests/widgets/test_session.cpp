// A long session of random use through real input events. After every step
// each channel row must be in step with its slider, except the field that the
// user is still typing in: it commits only when it loses the focus.

#include <QLineEdit>
#include <cstdio>
#include <random>

#include "test_converter_support.h"

namespace {

using namespace converter_test;

constexpr int kSteps = 20000;
constexpr std::uint32_t kSeed = 0x504C5556;

const std::array<std::string P::*, 3> kPairs{&P::s, &P::t, &P::v};

std::string PairOf(int value)
{
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(value));
    return digits;
}

std::string PercentOf(int value)
{
    return std::to_string((40 * value + 51) / 102) + "%";
}

int WebSafeLevel(int value)
{
    static constexpr int kLimits[] = {26, 78, 129, 180, 231, 256};
    for (int i = 0; i < 6; ++i) {
        if (value < kLimits[i]) return 51 * i;
    }
    return 0;
}

// Types each character as its own key; keyClicks would drop what Latin-1 lacks.
void TypeText(QWidget* edit, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) QTest::keyClick(edit, static_cast<char>(c.unicode()));
        else QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void ClickMiddle(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

class Session : public ConverterTest {
protected:
    enum Action {
        kType, kTab, kSliderKeys, kArrow, kCompare, kConvert, kPercentBox, kReset, kCopyHex, kPicker, kClickOther,
        kSwitchAway
    };

    struct Before {
        fw::RectControl* focus;
        std::string focusText;
        std::array<int, 3> sliders, channels;
        int beeps;
        std::size_t pickerCalls;
    };

    Before Snapshot()
    {
        auto* field = dynamic_cast<fw::TextField*>(W().FocusedControl());
        return {W().FocusedControl(),
                field != nullptr ? field->Text() : std::string(),
                {SliderOf(kRows[0]).Value(), SliderOf(kRows[1]).Value(), SliderOf(kRows[2]).Value()},
                Channels(),
                services().beeps,
                services().pickerCalls.size()};
    }

    int Random(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng_); }
    bool OneIn(int n) { return Random(n) == 0; }
    template <class T, std::size_t N>
    const T& Any(const std::array<T, N>& items) { return items[static_cast<std::size_t>(Random(int{N}))]; }

    std::size_t RowOf(const fw::RectControl& control) const
    {
        for (std::size_t i = 0; i < 3; ++i) {
            const Row& row = kRows[i];
            for (const char* name : {row.percentField, row.valueField, row.hexField, row.slider}) {
                if (control.Name() == name) return i;
            }
        }
        return 3;
    }
    bool IsPercentField(const fw::RectControl* control) const
    {
        return control != nullptr && RowOf(*control) < 3 && control->Name() == kRows[RowOf(*control)].percentField;
    }
    QWidget* KeyTarget() { return QApplication::focusWidget() ? QApplication::focusWidget() : W().Widget(); }

    QString RandomText()
    {
        // The web-safe limits and their neighbours, and what else a user might type.
        static const std::array<const char*, 32> kTokens{
            "0", "1", "2",  "5", "7", "9", "12", "25", "26", "77", "78", "128", "129", "179", "180", "230",
            "231", "255", "a", "F", "z", "-", "+",  ".",  "&h", "%",  "e",  " ",   "é",   "ß",   "€",   "漢"};
        const int count = OneIn(10) ? 10 + Random(30) : Random(5);
        std::string text;
        for (int i = 0; i < count; ++i) text += Any(kTokens);
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    // Performs one step and says what it did.
    std::string Perform(Action action)
    {
        switch (action) {
        case kType: {
            std::vector<const char*> shown;
            for (const Row& row : kRows) {
                for (const char* name : {row.percentField, row.valueField, row.hexField}) {
                    if (Field(name).Visible()) shown.push_back(name);
                }
            }
            const char* name = shown[static_cast<std::size_t>(Random(static_cast<int>(shown.size())))];
            QWidget* edit = Field(name).Widget();
            ClickMiddle(edit);
            std::string what = std::string("type into ") + name + ":";
            if (OneIn(2)) {
                QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
                what += " select all,";
            }
            for (int n = OneIn(4) ? 1 + Random(3) : 0; n > 0; --n) {
                QTest::keyClick(edit, Qt::Key_Backspace);
                what += " backspace,";
            }
            const QString text = RandomText();
            TypeText(edit, text);
            editing_ = name;
            return what + " \"" + text.toStdString() + "\"";
        }
        case kTab:
            if (OneIn(3)) {
                QTest::keyClick(KeyTarget(), Qt::Key_Backtab, Qt::ShiftModifier);
                return "shift+tab";
            }
            QTest::keyClick(KeyTarget(), Qt::Key_Tab);
            return "tab";
        case kSliderKeys: {
            static const std::array<Qt::Key, 8> kKeys{Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                                      Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
            std::string what;
            auto* slider = dynamic_cast<fw::Slider*>(W().FocusedControl());
            int value = slider != nullptr ? slider->Value() : -1;
            // The user's moves run the hub only when they change the value.
            const auto moved = [&] {
                if (slider->Value() != value) webSafePairs_[RowOf(*slider)] = false;
                value = slider->Value();
            };
            if (slider == nullptr) {
                slider = &SliderOf(Any(kRows));
                value = slider->Value();
                ClickMiddle(slider->Widget());
                moved();
                what = "click ";
            }
            what += slider->Name() + ", keys";
            for (int n = 1 + Random(3); n > 0; --n) {
                const Qt::Key key = Any(kKeys);
                QTest::keyClick(slider->Widget(), key);
                moved();
                what += " " + QKeySequence(key).toString().toStdString();
            }
            return what;
        }
        case kArrow: {
            arrowRow_ = static_cast<std::size_t>(Random(3));
            auto& arrows = fw::ControlOf<fw::UpDownArrows>(W(), kRows[arrowRow_].arrows);
            arrowStep_ = OneIn(2) ? 1 : -1;
            ClickMiddle(arrowStep_ > 0 ? arrows.UpButton() : arrows.DownButton());
            return arrows.Name() + (arrowStep_ > 0 ? " up" : " down");
        }
        case kCompare: ClickMiddle(W().websafe().Widget()); return "Compare";
        case kConvert: ClickMiddle(W().convert().Widget()); return "Convert";
        case kPercentBox: ClickMiddle(W().centopt().Widget()); return "% box";
        case kReset:
            resetByShortcut_ = OneIn(2);
            if (!resetByShortcut_) {
                ClickMiddle(W().resetter().Widget());
                return "Reset";
            }
            QTest::keyClick(KeyTarget(), Qt::Key_R, Qt::ControlModifier);
            return "Ctrl+R";
        case kCopyHex:
            services().clipboard = "(untouched)";
            QTest::keyClick(KeyTarget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            return "Ctrl+Shift+C";
        case kPicker: {
            if (OneIn(4)) services().pickerAnswer.reset();
            else services().pickerAnswer = fw::RGB(Random(256), Random(256), Random(256));
            ClickMiddle(W().choosecolor().Widget());
            if (!services().pickerAnswer) return "picker, Cancel";
            char colour[16];
            std::snprintf(colour, sizeof colour, "%06X", static_cast<unsigned>(services().pickerAnswer->value));
            return std::string("picker, ") + colour;
        }
        case kClickOther: {
            static const std::array<const char*, 9> kNames{"StaticText1", "StaticText2", "StaticText3", "StaticText4",
                                                           "StaticText5", "webtxt", "GroupBox1", "hexcolor", "rgbcolor"};
            const char* name = Any(kNames);
            ClickMiddle(fw::RuntimeWindowControlByName(W(), name)->Widget());
            return std::string("click ") + name;
        }
        case kSwitchAway:
            other_.show();
            other_.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&other_));
            W().Widget()->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(W().Widget()));
            return "switch to another window and back";
        }
        return {};
    }

    // What the step changed in the model, and the checks that only that step allows.
    void Follow(Action action, const Before& before)
    {
        P& w = W();
        fw::RectControl* focus = w.FocusedControl();
        if (focus != before.focus) {
            // Code that moves the focus commits only a field the user typed in.
            const bool committed = action != kSwitchAway || (before.focus != nullptr && editing_ == before.focus->Name());
            if (action != kType) editing_.clear();
            if (committed && before.focus != nullptr && dynamic_cast<fw::TextField*>(before.focus) != nullptr) {
                webSafePairs_[RowOf(*before.focus)] = false;
            }
        }
        // Only a percentage over 100 that a field commits sounds the alert. The picker and the Reset command
        // rewrite the field before they clear the focus.
        const bool rewritten = action == kPicker || (action == kReset && resetByShortcut_);
        const bool over = focus != before.focus && IsPercentField(before.focus) && !rewritten &&
                          fw::RuntimeCvtReal64ToSInt32(fw::Val(before.focusText)) > 100;
        EXPECT_EQ(services().beeps, before.beeps + (over ? 1 : 0));
        const std::array<int, 3> channels = Channels();
        switch (action) {
        case kArrow:
            webSafePairs_[arrowRow_] = false;
            EXPECT_EQ(SliderOf(kRows[arrowRow_]).Value(),
                      std::clamp(before.sliders[arrowRow_] + arrowStep_, 0, 255));
            [[fallthrough]];
        case kClickOther: EXPECT_EQ(focus, before.focus); break;
        case kCompare:
        case kConvert:
            webSafePairs_.fill(action == kCompare);
            webText_ = "SAFE-";
            for (int c : channels) webText_ += PairOf(WebSafeLevel(c));
            webColour_ = fw::RGB(WebSafeLevel(channels[0]), WebSafeLevel(channels[1]), WebSafeLevel(channels[2]));
            if (action == kConvert) {
                for (int c : channels) EXPECT_EQ(c, WebSafeLevel(c));
            }
            EXPECT_EQ(focus, nullptr);
            break;
        case kReset:
            webSafePairs_.fill(false);
            webText_ = "SAFE-FFFFFF";
            webColour_ = fw::RGB(255, 255, 255);
            EXPECT_EQ(channels, (std::array<int, 3>{0, 0, 0}));
            EXPECT_EQ(focus, nullptr);
            break;
        case kSwitchAway:
            // The field keeps the focus while the window is inactive; coming back asks for the red 0-255 field.
            // In percent mode that field is hidden, and a window without a focus gives it to its first control.
            if (!w.centopt().Value()) {
                EXPECT_EQ(focus, &w.Rededit());
            } else if (before.focus != nullptr) {
                EXPECT_EQ(focus, before.focus);
            }
            break;
        case kPercentBox:
            EXPECT_EQ(Focused(), w.centopt().Value() ? "redpcnt" : "Rededit");
            break;
        case kCopyHex:
            EXPECT_EQ(focus, before.focus);
            EXPECT_EQ(services().clipboard,
                      "#" + w.hexanswer1().Text() + w.hexanswer2().Text() + w.hexanswer3().Text());
            break;
        case kPicker: {
            webSafePairs_.fill(false);
            const fw::Color old = fw::RGB(before.channels[0], before.channels[1], before.channels[2]);
            ASSERT_EQ(services().pickerCalls.size(), before.pickerCalls + 1);
            EXPECT_EQ(services().pickerCalls.back(), std::make_pair(old, std::string("Select a Color")));
            const fw::Color chosen = services().pickerAnswer.value_or(old);
            std::array<int, 3> expected{static_cast<int>(chosen.value >> 16), static_cast<int>(chosen.value >> 8 & 255),
                                        static_cast<int>(chosen.value & 255)};
            EXPECT_EQ(channels, expected);
            EXPECT_EQ(focus, nullptr);
            break;
        }
        default: break;
        }
    }

    void CheckInvariants()
    {
        P& w = W();
        const bool percentMode = w.centopt().Value();
        for (std::size_t i = 0; i < 3; ++i) {
            const Row& row = kRows[i];
            SCOPED_TRACE(row.name);
            const int value = SliderOf(row).Value();
            EXPECT_EQ(w.*row.channel, value);
            EXPECT_EQ(w.*kPairs[i], PairOf(webSafePairs_[i] ? WebSafeLevel(value) : value));
            const std::pair<const char*, std::string> expected[] = {
                {row.valueField, fw::Str(value)}, {row.percentField, PercentOf(value)}, {row.hexField, PairOf(value)}};
            for (const auto& [name, text] : expected) {
                fw::TextField& field = Field(name);
                if (editing_ != name) {
                    EXPECT_EQ(field.Text(), text) << name;
                    continue;
                }
                // Typing keeps within the limit, or within the "100%" that the program may have written.
                const int most = std::max(field.LimitText(), name == row.percentField ? 4 : 0);
                EXPECT_LE(static_cast<QLineEdit*>(field.Widget())->text().size(), most) << name;
            }
            fw::TextField& shown = Field(percentMode ? row.percentField : row.valueField);
            fw::TextField& hidden = Field(percentMode ? row.valueField : row.percentField);
            EXPECT_TRUE(shown.Visible() && shown.Widget()->isVisible()) << shown.Name();
            EXPECT_EQ(shown.Left(), 58);
            EXPECT_FALSE(hidden.Visible() || hidden.Widget()->isVisible()) << hidden.Name();
            EXPECT_EQ(hidden.Left(), 207);
        }
        EXPECT_EQ(w.rgbcolor().FillColor(), fw::RGB(w.n, w.p, w.r));
        EXPECT_EQ(w.webtxt().Text(), webText_);
        EXPECT_EQ(w.hexcolor().FillColor(), webColour_);
    }

    std::mt19937 rng_{kSeed};
    QWidget other_;
    bool resetByShortcut_ = false;
    std::size_t arrowRow_ = 0;
    int arrowStep_ = 0;
    std::string editing_;                // the focused field typed in since it took the focus
    std::array<bool, 3> webSafePairs_{};  // Compare wrote the pair and the row's slider hub has not run since
    std::string webText_ = "SAFE-FFFFFF";
    fw::Color webColour_ = fw::RGB(255, 255, 255);
};

TEST_F(Session, RandomUseKeepsEveryRowInStepWithItsSlider)
{
    std::discrete_distribution<int> pick({34, 12, 12, 10, 4, 4, 4, 2, 6, 4, 4, 1});
    for (int step = 1; step <= kSteps; ++step) {
        const auto action = static_cast<Action>(pick(rng_));
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", step " + std::to_string(step));
        const Before before = Snapshot();
        const std::string what = Perform(action);
        SCOPED_TRACE(what);
        ASSERT_NO_THROW(fw::RuntimeThrowPendingException());
        Follow(action, before);
        CheckInvariants();
        if (HasFailure()) return;
        QCoreApplication::processEvents();
    }
}

}  // namespace
