#include "MenuBar.h"

namespace Menu {

namespace {

std::shared_ptr<Menu> _implicitInstance;

template <class Item>
std::unique_ptr<fw::MenuItem> NewItem(const char* name, const char* caption, const char* shortcut)
{
    auto item = std::make_unique<Item>();
    item->SetName(name);
    item->SetAutoEnable(true);
    item->SetText(caption);
    if (shortcut != nullptr) item->SetKeyboardShortcut(shortcut);
    return item;
}

}  // namespace

Menu::Menu()
{
    Untitled1();
    Untitled2();
}

const fw::ClassRecord& Menu::ClassInfo()
{
    static const fw::ClassRecord record{"Menu.Menu", &fw::MenuBar::ClassInfo()};
    return record;
}

const fw::ClassRecord& Menu::Lookup()
{
    return fw::ClassTable::Instance().Build(ClassInfo());
}

void Menu::Untitled1()
{
    Append(NewItem<fw::MenuItem>("UntitledMenu2", "File", ""));
    fw::NotNil(Child("UntitledMenu2")).Append(NewItem<fw::MenuItem>("resetmen", "Reset", "Cmd+R"));
    fw::NotNil(Child("UntitledMenu2")).Append(NewItem<fw::QuitMenuItem>("Filequit", "Quit PLUMIVARD", "Cmd+Q"));
}

void Menu::Untitled2()
{
    Append(NewItem<fw::MenuItem>("UntitledMenu0", "Edit", ""));
    fw::NotNil(Child("UntitledMenu0")).Append(NewItem<fw::MenuItem>("EditUndo", "Undo", "Cmd+Z"));
    // The separator's shortcut is never set.
    fw::NotNil(Child("UntitledMenu0")).Append(NewItem<fw::MenuItem>("UntitledMenu1", "-", nullptr));
    fw::NotNil(Child("UntitledMenu0")).Append(NewItem<fw::MenuItem>("EditCut", "Cut", "Cmd+X"));
    fw::NotNil(Child("UntitledMenu0")).Append(NewItem<fw::MenuItem>("EditCopy", "Copy", "Cmd+C"));
    fw::NotNil(Child("UntitledMenu0")).Append(NewItem<fw::MenuItem>("EditPaste", "Paste", "Cmd+V"));
    fw::NotNil(Child("UntitledMenu0")).Append(NewItem<fw::MenuItem>("EditCopyHex", "Copy Hex", "Cmd+Shift+C"));
    fw::NotNil(Child("UntitledMenu0")).Append(NewItem<fw::MenuItem>("EditClear", "Clear", ""));
    fw::NotNil(Child("UntitledMenu0"))
        .Append(NewItem<fw::AppleMenuItem>("aboutme", "About PLUMIVARD...", ""));
}

std::shared_ptr<Menu> ImplicitInstance()
{
    // A constructor that throws leaves nothing stored; the next call retries.
    if (!_implicitInstance) _implicitInstance = std::make_shared<Menu>();
    return _implicitInstance;
}

bool HasImplicitInstance()
{
    return static_cast<bool>(_implicitInstance);
}

void ReleaseImplicitInstance()
{
    _implicitInstance.reset();
}

}  // namespace Menu
