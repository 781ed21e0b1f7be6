#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Object.h"

namespace fw {

// One item of a menu tree: a menu title, a command or a separator ("-").
class MenuItem : public Object {
public:
    MenuItem();
    ~MenuItem() override;
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    // Unset until the program sets it.
    const std::optional<std::string>& KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(std::string shortcut);
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool v) { autoEnable_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    void Enable() { SetEnabled(true); }

    void Append(std::unique_ptr<MenuItem> item);
    int Count() const { return static_cast<int>(children_.size()); }
    MenuItem* Item(int index) const;
    // The direct child of that name, or null.
    MenuItem* Child(std::string_view name) const;
    // The item of that name anywhere below this one, or null.
    MenuItem* _Lookup(std::string_view name) const;
    MenuItem* Parent() const { return parent_; }
    bool IsSeparator() const { return text_ == "-"; }

    // The item's own action, run when the user chooses it and no window
    // handles it; returns whether it handled the command.
    virtual bool ItemAction() { return false; }

    // Toolkit views of this item (menu actions), kept in step with it.
    struct Views;
    Views& GetViews() const { return *views_; }

private:
    std::string name_, text_;
    std::optional<std::string> shortcut_;
    bool autoEnable_ = false, enabled_ = true;
    std::vector<std::unique_ptr<MenuItem>> children_;
    MenuItem* parent_ = nullptr;
    std::unique_ptr<Views> views_;
};

class MenuBar : public MenuItem {
public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }
};

// Quits the application when chosen.
class QuitMenuItem : public MenuItem {
public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }
    bool ItemAction() override;
};

// The platform's About item.
class AppleMenuItem : public MenuItem {
public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }
};

}  // namespace fw
