// The menu bar's tree, and how the framework shows it and routes commands.

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "Window.h"
#include "app/MenuBar.h"

namespace {

struct ItemRow {
    const char* title;  // item name of its menu, or null for a title
    const char* name;
    const char* classname;
    const char* caption;
    const char* shortcut;  // null: never set
};

const ItemRow kTree[] = {
    {nullptr, "UntitledMenu2", "MenuItem", "File", ""},
    {"UntitledMenu2", "resetmen", "MenuItem", "Reset", "Cmd+R"},
    {"UntitledMenu2", "Filequit", "QuitMenuItem", "Quit PLUMIVARD", "Cmd+Q"},
    {nullptr, "UntitledMenu0", "MenuItem", "Edit", ""},
    {"UntitledMenu0", "EditUndo", "MenuItem", "Undo", "Cmd+Z"},
    {"UntitledMenu0", "UntitledMenu1", "MenuItem", "-", nullptr},
    {"UntitledMenu0", "EditCut", "MenuItem", "Cut", "Cmd+X"},
    {"UntitledMenu0", "EditCopy", "MenuItem", "Copy", "Cmd+C"},
    {"UntitledMenu0", "EditPaste", "MenuItem", "Paste", "Cmd+V"},
    {"UntitledMenu0", "EditCopyHex", "MenuItem", "Copy Hex", "Cmd+Shift+C"},
    {"UntitledMenu0", "EditClear", "MenuItem", "Clear", ""},
    {"UntitledMenu0", "aboutme", "AppleMenuItem", "About PLUMIVARD...", ""},
};

TEST(MenuBarTree, HoldsEveryItemInOrderWithItsClassCaptionAndShortcut)
{
    Menu::Menu& bar = Menu::ImplicitInstance();
    EXPECT_EQ(&Menu::ImplicitInstance(), &bar);
    ASSERT_EQ(bar.Count(), 2);
    int position[2] = {0, 0};
    for (const ItemRow& row : kTree) {
        SCOPED_TRACE(row.name);
        fw::MenuItem* item = nullptr;
        if (row.title == nullptr) {
            item = bar.Item(std::string_view(row.name) == "UntitledMenu2" ? 0 : 1);
        } else {
            fw::MenuItem* menu = bar.Child(row.title);
            ASSERT_NE(menu, nullptr);
            item = menu->Item(position[std::string_view(row.title) == "UntitledMenu2" ? 0 : 1]++);
        }
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Name(), row.name);
        EXPECT_EQ(item->Class().name, row.classname);
        EXPECT_EQ(item->Text(), row.caption);
        EXPECT_TRUE(item->AutoEnable());
        if (row.shortcut == nullptr) EXPECT_FALSE(item->KeyboardShortcut().has_value());
        else EXPECT_EQ(item->KeyboardShortcut(), std::optional<std::string>(row.shortcut));
        EXPECT_EQ(bar._Lookup(row.name), item) << "found by name at any depth";
    }
    EXPECT_EQ(bar.Child("UntitledMenu2")->Count(), 2);
    EXPECT_EQ(bar.Child("UntitledMenu0")->Count(), 8);
    EXPECT_EQ(bar._Lookup("UntitledMenu3"), nullptr);
}

// A window that shows the program's menu bar and binds one handler.
class MenuWindow : public fw::Window {
public:
    static const fw::ClassRecord& ClassInfo()
    {
        static const fw::ClassRecord record{"Probe.MenuWindow", &fw::Window::ClassInfo()};
        return record;
    }
    const fw::ClassRecord& Class() const override { return ClassInfo(); }
    void Layout() override
    {
        SetMenuBar(&Menu::ImplicitInstance());
        SetWidth(200);
        SetHeight(100);
    }
    void CreateControls() override
    {
        field = &NewControl<fw::TextField>("field");
        field->SetWidth(100);
        field->SetHeight(22);
    }
    void AddMenuHandlers(fw::Window& w) override
    {
        w._AddMenuHandler("EditCopyHex", [this] {
            ++copyHex;
            return true;
        });
    }
    void Event_EnableMenuItems() override
    {
        order.push_back(Menu::ImplicitInstance()._Lookup("EditCopyHex")->Enabled() ? "hex on" : "hex off");
        Menu::ImplicitInstance()._Lookup("resetmen")->SetEnabled(true);
    }
    int copyHex = 0;
    std::vector<std::string> order;
    fw::TextField* field = nullptr;
};

QAction* ActionOf(fw::Window& window, const QString& text)
{
    for (QAction* action : window.Widget()->findChildren<QAction*>()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

class MenuRouting : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = &fw::ImplicitWindow<MenuWindow>();
        testing_support::ShowAndActivate(*window);
    }
    testing_support::ServicesScope scope;
    MenuWindow* window = nullptr;
};

TEST_F(MenuRouting, ShowsTheTreeWithPlatformShortcutsAndASeparator)
{
    QMenuBar* bar = window->Widget()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const auto menus = bar->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "File");
    EXPECT_EQ(menus[1]->text(), "Edit");
    const auto edit = menus[1]->menu()->actions();
    ASSERT_EQ(edit.size(), 8);
    EXPECT_TRUE(edit[1]->isSeparator());
    EXPECT_EQ(edit[5]->text(), "Copy Hex");
    EXPECT_EQ(edit[5]->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    EXPECT_EQ(ActionOf(*window, "Quit PLUMIVARD")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

TEST_F(MenuRouting, EnablingRunsTheWindowsEventThenEnablesItemsWithHandlers)
{
    Menu::ImplicitInstance()._Lookup("EditCopyHex")->SetAutoEnable(false);
    Menu::ImplicitInstance()._Lookup("EditCopyHex")->SetEnabled(false);
    window->_EnableMenuItems();
    Menu::ImplicitInstance()._Lookup("EditCopyHex")->SetAutoEnable(true);
    EXPECT_EQ(window->order, (std::vector<std::string>{"hex off"}));
    EXPECT_TRUE(Menu::ImplicitInstance()._Lookup("EditCopyHex")->Enabled());
    EXPECT_TRUE(ActionOf(*window, "Copy Hex")->isEnabled());
}

TEST_F(MenuRouting, AShortcutReachesTheHandlerBoundToTheItemName)
{
    window->field->SetFocus();
    QTest::keyClick(window->field->Widget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->copyHex, 1);
    EXPECT_FALSE(window->order.empty()) << "the enabling step runs before a shortcut";
}

TEST_F(MenuRouting, EditItemsWithoutAHandlerActOnTheFocusedField)
{
    window->field->SetText("42");
    window->field->SetFocus();
    static_cast<QLineEdit*>(window->field->Widget())->selectAll();
    ActionOf(*window, "Cut")->trigger();
    EXPECT_EQ(window->field->Text(), "");
    ActionOf(*window, "Paste")->trigger();
    EXPECT_EQ(window->field->Text(), "42");
}

}  // namespace
