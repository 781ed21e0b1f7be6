// The converter's menu commands as the user reaches them, and the items the
// window enables.

#include <QAction>
#include <algorithm>

#include "test_converter_support.h"

namespace {

using namespace converter_test;

class ConverterMenu : public ConverterTest {
protected:
    void CopyHex()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        fw::RuntimeThrowPendingException();
    }
    void Choose(const QString& caption)
    {
        for (QAction* action : W().Widget()->findChildren<QAction*>()) {
            if (action->text() == caption) {
                action->trigger();
                fw::RuntimeThrowPendingException();
                return;
            }
        }
        FAIL() << "no menu item " << caption.toStdString();
    }
};

TEST_F(ConverterMenu, CopyHexPutsAHashAndTheThreeHexFieldsOnTheClipboard)
{
    CopyHex();
    EXPECT_EQ(services().clipboard, "#000000");
    EnterColour(127, 200, 10);
    CopyHex();
    EXPECT_EQ(services().clipboard, "#7FC80A");
    // A field still being typed in is copied as it stands.
    Type("hexanswer2", "a");
    CopyHex();
    EXPECT_EQ(services().clipboard, "#7Fa0A");
    EXPECT_TRUE(W()._HandleMenuCommand(W().EditCopyHex()));
}

TEST_F(ConverterMenu, ResetFromTheMenuDoesWhatTheResetButtonDoes)
{
    EnterColour(128, 64, 255);
    testing_support::Click(W().convert());
    Choose(QStringLiteral("Reset"));
    EXPECT_EQ(AllTexts(), (std::vector<std::string>{"0", "0%", "00", "0", "0%", "00", "0", "0%", "00"}));
    EXPECT_EQ(Channels(), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(W().hexcolor().FillColor(), fw::RGB(255, 255, 255));
    EXPECT_EQ(W().webtxt().Text(), "SAFE-FFFFFF");
    EXPECT_FALSE(W()._HandleMenuCommand(W().resetmen()));
}

TEST_F(ConverterMenu, AboutTwiceMakesOneAboutWindow)
{
    const auto aboutWindows = [] {
        const std::vector<fw::Window*> windows = fw::OpenWindows();
        return std::count_if(windows.begin(), windows.end(), [](const fw::Window* window) {
            return window->Class().name == "aboutbox.aboutbox" && window->Widget()->isVisible();
        });
    };
    Choose(QStringLiteral("About PLUMIVARD..."));
    EXPECT_EQ(aboutWindows(), 1);
    Choose(QStringLiteral("About PLUMIVARD..."));
    EXPECT_EQ(aboutWindows(), 1);
}

TEST_F(ConverterMenu, TheWindowEnablesAboutAndResetAndTheFrameworkCopyHex)
{
    for (fw::MenuItem* item : {static_cast<fw::MenuItem*>(&W().aboutme()), &W().resetmen(), &W().EditCopyHex()}) {
        item->SetEnabled(false);
    }
    W().Event_EnableMenuItems();
    EXPECT_TRUE(W().aboutme().Enabled());
    EXPECT_TRUE(W().resetmen().Enabled());
    EXPECT_FALSE(W().EditCopyHex().Enabled()) << "enabled for its handler, not by the window";
    // A shortcut runs the whole menu-enabling step before it is looked up.
    CopyHex();
    EXPECT_TRUE(W().EditCopyHex().Enabled());
    EXPECT_EQ(services().clipboard, "#000000");
    EXPECT_THROW(W().UntitledMenu3(), fw::NilObjectException);
}

}  // namespace
