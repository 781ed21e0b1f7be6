// The menu bar's tree, and the converter's menu commands as the user reaches
// them.

#include <QLineEdit>
#include <QMenuBar>
#include <algorithm>

#include "about/AboutBox.h"
#include "app/MenuBar.h"
#include "test_converter_support.h"

namespace {

using namespace converter_test;

// Each menu title is followed by its items; a null shortcut was never set.
struct ItemRow { const char *name, *classname, *caption, *shortcut; };
const ItemRow kTree[] = {
    {"UntitledMenu2", "MenuItem", "File", ""}, {"resetmen", "MenuItem", "Reset", "Cmd+R"},
    {"Filequit", "QuitMenuItem", "Quit PLUMIVARD", "Cmd+Q"}, {"UntitledMenu0", "MenuItem", "Edit", ""},
    {"EditUndo", "MenuItem", "Undo", "Cmd+Z"}, {"UntitledMenu1", "MenuItem", "-", nullptr},
    {"EditCut", "MenuItem", "Cut", "Cmd+X"}, {"EditCopy", "MenuItem", "Copy", "Cmd+C"},
    {"EditPaste", "MenuItem", "Paste", "Cmd+V"}, {"EditCopyHex", "MenuItem", "Copy Hex", "Cmd+Shift+C"},
    {"EditClear", "MenuItem", "Clear", ""}, {"aboutme", "AppleMenuItem", "About PLUMIVARD...", ""},
};

TEST(MenuBarTree, HoldsEveryItemInOrderWithItsClassCaptionAndShortcut)
{
    Menu::Menu& bar = *Menu::ImplicitInstance();
    std::vector<fw::MenuItem*> items;
    for (int i = 0; i < bar.Count(); ++i) {
        items.push_back(bar.Item(i));
        for (int j = 0; j < bar.Item(i)->Count(); ++j) items.push_back(bar.Item(i)->Item(j));
    }
    ASSERT_EQ(items.size(), std::size(kTree));
    for (std::size_t k = 0; k < items.size(); ++k) {
        const ItemRow& row = kTree[k];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(items[k]->Name(), row.name);
        EXPECT_EQ(items[k]->Class().name, row.classname);
        EXPECT_EQ(items[k]->Text(), row.caption);
        EXPECT_TRUE(items[k]->AutoEnable());
        if (row.shortcut == nullptr) EXPECT_FALSE(items[k]->KeyboardShortcut().has_value());
        else EXPECT_EQ(items[k]->KeyboardShortcut(), std::optional<std::string>(row.shortcut));
        EXPECT_EQ(bar._Lookup(row.name), items[k]) << "found by name at any depth";
    }
    EXPECT_EQ(bar._Lookup("UntitledMenu3"), nullptr);
}

class ConverterMenu : public ConverterTest {
protected:
    void CopyHex()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        fw::RuntimeThrowPendingException();
    }
};

TEST_F(ConverterMenu, CopyHexPutsAHashAndTheThreeHexFieldsOnTheClipboard)
{
    CopyHex();
    EXPECT_EQ(services().clipboard, "#000000");
    EnterColour(127, 200, 10);
    CopyHex();
    EXPECT_EQ(services().clipboard, "#7FC80A");
    // A field still being typed in is copied as it stands. Regression: an emoji
    // was cut in half there and reached the clipboard as "?".
    Type("hexanswer2", "a");
    QTest::sendKeyEvent(QTest::Click, W().hexanswer2().Widget(), Qt::Key_unknown, QStringLiteral("\U0001F600"), {});
    CopyHex();
    EXPECT_EQ(services().clipboard, "#7Fa\U0001F6000A");
}

// Regression: Clear without a selection deleted the character after the cursor.
TEST_F(ConverterMenu, EditItemsWithoutAHandlerActOnTheFocusedFieldAndClearOnlyOnASelection)
{
    Type("Rededit", "42");
    auto* edit = static_cast<QLineEdit*>(W().Rededit().Widget());
    edit->home(false);
    Choose(QStringLiteral("Clear"));
    EXPECT_EQ(W().Rededit().Text(), "42");
    edit->selectAll();
    Choose(QStringLiteral("Cut"));
    EXPECT_EQ(W().Rededit().Text(), "");
    Choose(QStringLiteral("Paste"));
    EXPECT_EQ(W().Rededit().Text(), "42");
    edit->selectAll();
    Choose(QStringLiteral("Clear"));
    EXPECT_EQ(W().Rededit().Text(), "");
}

// Regression: closing a menu with Escape hands the keyboard to the menu bar;
// the percent field being edited must not read "50%" again and move 128 to 127.
TEST_F(ConverterMenu, APercentFieldKeepsTheFocusWhileTheMenuBarNavigates)
{
    EnterColour(128, 0, 0);
    testing_support::Click(W().centopt());
    ASSERT_EQ(Focused(), "redpcnt");
    QMenuBar* bar = W().Widget()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().front()).center());
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(bar, Qt::Key_Escape);
    fw::RuntimeThrowPendingException();
    EXPECT_EQ(W().redslide().Value(), 128);
    EXPECT_EQ(W().n, 128);
}

// With AutoEnable off, only the window's own step and the bound handler can
// enable an item; a shortcut runs that step before it is looked up.
TEST_F(ConverterMenu, TheWindowEnablesAboutAndResetAndTheFrameworkTheHandledCopyHex)
{
    fw::MenuItem* items[] = {&W().aboutme(), &W().resetmen(), &W().EditCopyHex(), &W().Filequit()};
    for (fw::MenuItem* item : items) {
        item->SetAutoEnable(false);
        item->SetEnabled(false);
    }
    CopyHex();
    EXPECT_EQ(services().clipboard, "#000000");
    EXPECT_EQ((std::vector<bool>{W().aboutme().Enabled(), W().resetmen().Enabled(), W().EditCopyHex().Enabled(),
                                 W().Filequit().Enabled()}),
              (std::vector<bool>{true, true, true, false}));
    EXPECT_TRUE(testing_support::ActionOf(W(), "Copy Hex")->isEnabled());
    for (fw::MenuItem* item : items) {
        item->SetAutoEnable(true);
        item->SetEnabled(true);
    }
}

}  // namespace
