// A long session of random use through real input events, checked after every
// step against a model of the converter kept here in plain integer arithmetic:
// every row, both swatches, the web-safe caption, the alert, the fields that
// each mode shows and which control has the focus.

#include <QLineEdit>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "test_converter_support.h"

namespace {

using namespace converter_test;

constexpr int kSteps = 20000, kSeed = 0x504C5556;
// Each row's fields by kind: 0-255 (0), percent (1), hexadecimal (2).
constexpr const char* kFields[3][3] = {{"Rededit", "redpcnt", "hexanswer1"}, {"greenedit", "grnpcnt", "hexanswer2"},
                                       {"blueedit", "blupcnt", "hexanswer3"}};
// Each sent as one key event: around the web-safe limits and 100 %, and what else a user types.
const QStringList kDecimalTokens =
    QString("0|1|9|26|50|77|78|90|100|101|128|129|179|180|230|231|255|-|+|%| |a|é|😀").split('|');
const QStringList kHexTokens = QString("0|1|7|8|9|a|B|c|E|f|F|g|-| |漢|😀").split('|');
constexpr int kLimits[] = {26, 78, 129, 180, 231, 256};

std::string Pair(int v) { char d[8]; std::snprintf(d, sizeof d, "%02X", static_cast<unsigned>(v)); return d; }
std::string TextOf(int kind, int v)
{
    return kind == 2 ? Pair(v) : kind == 1 ? std::to_string((40 * v + 51) / 102) + "%" : std::to_string(v);
}
int Level(int v) { int i = 0; while (i < 6 && v >= kLimits[i]) ++i; return i < 6 ? 51 * i : 0; }
// p × 2.55 rounded, halves away from zero; the factor lies just below 2.55, which takes 50 and 90 down.
int SliderOfPercent(int p) { return p < 0 ? 0 : p > 100 ? 255 : (255 * p + 50) / 100 - (p == 50 || p == 90); }
// The number that a field's text starts with; a hexadecimal field's digits follow "&h" directly.
int Number(int kind, const std::string& t)
{
    if (kind == 2 && !std::isxdigit(static_cast<unsigned char>(t[0]))) return 0;
    return static_cast<int>(std::strtol(t.c_str(), nullptr, kind == 2 ? 16 : 10));
}

class Session : public ConverterTest {
protected:
    enum Action { kType, kTab, kCompare, kConvert, kPercentBox, kReset, kPicker, kSwitchAway };

    int Random(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng_); }
    QWidget* KeyTarget() { return QApplication::focusWidget() ? QApplication::focusWidget() : W().Widget(); }
    // 3 × row + kind for a field, 9 for any other control.
    static int Where(const std::string& n) { int i = 0; while (i < 9 && n != kFields[i / 3][i % 3]) ++i; return i; }
    bool Shown(const std::string& n) const { const int i = Where(n); return i == 9 || i % 3 == 2 || i % 3 == percent_; }
    // A slider set from code runs its row's handler, which rewrites the row, typing included.
    void SetSlider(int r, int v) { slider_[r] = std::clamp(v, 0, 255); if (Where(edited_) / 3 == r) edited_.clear(); }

    // The focused field commits when the user moves the focus away; when code does, only if the user typed in it.
    void MoveFocus(const std::string& to, bool byUser)
    {
        const int i = Where(focus_), row = i / 3, kind = i % 3;
        if (to != focus_ && i < 9 && (byUser || focus_ == edited_)) {
            const int number = Number(kind, focus_ == edited_ ? typed_ : TextOf(kind, slider_[row]));
            if (kind == 1) percentage_[row] = number;
            if (kind == 1 && number > 100) ++beeps_;
            SetSlider(row, kind == 1 ? SliderOfPercent(number) : number);
        }
        focus_ = to;
    }
    void Press(const std::string& name) { testing_support::Click(*W().ControlByName(name)); MoveFocus(name, true); }
    void SetWebSafe(int r, int g, int b) { web_ = "SAFE-" + Pair(r) + Pair(g) + Pair(b); webColour_ = Rgb(r, g, b); }

    void Perform(Action action)
    {
        const int row = Random(3), kind = Random(2) ? 2 : percent_;
        switch (action) {
        case kType: {
            auto* edit = static_cast<QLineEdit*>(Field(kFields[row][kind]).Widget());
            QTest::mouseClick(edit, Qt::LeftButton);
            MoveFocus(kFields[row][kind], true);
            if (Random(2)) QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            for (int n = Random(4) ? 0 : 1 + Random(3); n > 0; --n) QTest::keyClick(edit, Qt::Key_Backspace);
            for (int n = Random(10) ? Random(5) : 10 + Random(30); n > 0; --n)
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown,
                                    kind == 2 ? kHexTokens[Random(16)] : kDecimalTokens[Random(24)], Qt::NoModifier);
            // Typing may end where it began; nothing here depends on whether that counts as a change.
            edited_ = kFields[row][kind];
            typed_ = edit->text().toStdString();
            // Within the limit, or the "100%" that the program wrote, and no character cut in half.
            EXPECT_TRUE(edit->text().isValidUtf16() && edit->text().toUcs4().size() <= (kind == 2 ? 2 : 3 + kind))
                << typed_;
            break;
        }
        case kTab:  // where Tab goes, the layout tests check
            QTest::keyClick(KeyTarget(), Qt::Key_Tab);
            MoveFocus(Focused(), true);
            break;
        case kCompare:
        case kConvert:
            Press(action == kCompare ? "websafe" : "convert");
            SetWebSafe(Level(slider_[0]), Level(slider_[1]), Level(slider_[2]));
            for (int r = 0; r < 3 && action == kConvert; ++r) SetSlider(r, Level(slider_[r]));
            MoveFocus("", false);
            break;
        case kPercentBox:
            Press("centopt");
            percent_ = 1 - percent_;
            focus_ = kFields[0][percent_];
            break;
        case kReset:
            if (kind == 2) Press("resetter");
            else QTest::keyClick(KeyTarget(), Qt::Key_R, Qt::ControlModifier);
            for (int r = 0; r < 3; ++r) SetSlider(r, 0);
            SetWebSafe(255, 255, 255);
            MoveFocus("", false);
            break;
        case kPicker: {
            const std::array<int, 3> chosen{Random(256), Random(256), Random(256)};
            services().pickerAnswer = Rgb(chosen[0], chosen[1], chosen[2]);
            if (kind != 2) services().pickerAnswer.reset();  // Cancel: the current colour is applied again
            QTest::mouseClick(W().choosecolor().Widget(), Qt::LeftButton);
            for (int r = 0; r < 3; ++r) SetSlider(r, services().pickerAnswer ? chosen[r] : slider_[r]);
            MoveFocus("", false);
            break;
        }
        case kSwitchAway:
            testing_support::Activate(&other_);
            testing_support::Activate(W().Widget());
            // The control that had the focus has it back; Activate then asks for the red 0-255 field.
            if (percent_ == 0) MoveFocus("Rededit", false);
            break;
        }
    }

    void Check()
    {
        for (int i = 0; i < 9; ++i) {
            const char* name = kFields[i / 3][i % 3];
            EXPECT_EQ(Field(name).Text(), name == edited_ ? typed_ : TextOf(i % 3, slider_[i / 3])) << name;
            EXPECT_EQ(Field(name).Widget()->isVisible(), Shown(name)) << name;
            EXPECT_TRUE(i % 3 == 2 || Field(name).Widget()->x() == (Shown(name) ? 58 : 207)) << name;
        }
        EXPECT_EQ((std::array{SliderOf(kRows[0]).Value(), SliderOf(kRows[1]).Value(), SliderOf(kRows[2]).Value()}),
                  slider_);
        EXPECT_EQ(Channels(), slider_);
        EXPECT_EQ((std::array{W().x, W().y, W().z}), percentage_);
        EXPECT_EQ(W().rgbcolor().FillColor(), Rgb(slider_[0], slider_[1], slider_[2]));
        EXPECT_EQ(W().webtxt().Text(), web_);
        EXPECT_EQ(W().hexcolor().FillColor(), webColour_);
        EXPECT_EQ(services().beeps, beeps_);
        EXPECT_EQ(Focused(), focus_);
        EXPECT_TRUE(QApplication::focusWidget() == nullptr || QApplication::focusWidget()->isVisible());
    }

    std::mt19937 rng_{kSeed};
    QWidget other_;
    std::array<int, 3> slider_{}, percentage_{};
    int beeps_ = 0, percent_ = 0;  // percent_: 1 in percent mode
    // edited_: the field that the user has typed typed_ into since the program last set it.
    std::string focus_ = "Rededit", edited_, typed_, web_ = "SAFE-FFFFFF";
    fw::Color webColour_ = Rgb(255, 255, 255);
};

TEST_F(Session, RandomUseAgreesWithAModelOfTheConverter)
{
    std::discrete_distribution<int> pick({40, 14, 4, 4, 4, 2, 4, 1});
    for (int step = 1; step <= kSteps && !HasFailure(); ++step) {
        const auto action = static_cast<Action>(pick(rng_));
        SCOPED_TRACE(testing::Message() << "step " << step << " action " << action << " " << edited_ << " " << typed_);
        Perform(action);
        ASSERT_NO_THROW(fw::RuntimeThrowPendingException());
        Check();
        QCoreApplication::processEvents();
    }
}

}  // namespace
