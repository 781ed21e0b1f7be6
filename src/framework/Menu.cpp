#include "Menu.h"

#include "MenuViews.h"
#include "Runtime.h"

namespace fw {

const ClassRecord& MenuItem::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Property<&MenuItem::SetName, &MenuItem::Name>("Name"),
        Property<&MenuItem::SetText, &MenuItem::Text>("Text"),
        Property<&MenuItem::SetAutoEnable, &MenuItem::AutoEnable>("AutoEnable"),
        Property<&MenuItem::SetEnabled, &MenuItem::Enabled>("Enabled"),
    };
    static const ClassRecord record{"MenuItem", nullptr, properties};
    return record;
}

const ClassRecord& MenuBar::ClassInfo()
{
    static const ClassRecord record{"MenuBar", &MenuItem::ClassInfo()};
    return record;
}

const ClassRecord& QuitMenuItem::ClassInfo()
{
    static const ClassRecord record{"QuitMenuItem", &MenuItem::ClassInfo()};
    return record;
}

const ClassRecord& AppleMenuItem::ClassInfo()
{
    static const ClassRecord record{"AppleMenuItem", &MenuItem::ClassInfo()};
    return record;
}

MenuItem::MenuItem() : views_(std::make_unique<Views>()) {}

MenuItem::~MenuItem() = default;

void MenuItem::SetText(std::string text)
{
    text_ = std::move(text);
    views_->SyncAll(*this);
}

void MenuItem::SetKeyboardShortcut(std::string shortcut)
{
    shortcut_ = std::move(shortcut);
    views_->SyncAll(*this);
}

void MenuItem::SetEnabled(bool v)
{
    enabled_ = v;
    views_->SyncAll(*this);
}

void MenuItem::Append(std::unique_ptr<MenuItem> item)
{
    NotNil(item.get());
    item->parent_ = this;
    children_.push_back(std::move(item));
}

MenuItem* MenuItem::Item(int index) const
{
    if (index < 0 || index >= Count()) return nullptr;
    return children_[static_cast<std::size_t>(index)].get();
}

MenuItem* MenuItem::Child(std::string_view name) const
{
    for (const auto& child : children_) {
        if (child->Name() == name) return child.get();
    }
    return nullptr;
}

MenuItem* MenuItem::_Lookup(std::string_view name) const
{
    for (const auto& child : children_) {
        if (child->Name() == name) return child.get();
        if (MenuItem* found = child->_Lookup(name)) return found;
    }
    return nullptr;
}

bool QuitMenuItem::ItemAction()
{
    RuntimeQuit();
    return true;
}

}  // namespace fw
