#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Controls.h"
#include "Menu.h"
#include "Object.h"

class QWidget;

namespace fw {

class WindowWidget;

// A menu handler bound by item name; true means handled.
using MenuDelegate = std::function<bool()>;

class Window : public Object {
public:
    Window();
    ~Window() override;
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }

    // Construction hooks, run in this order by Construct.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window&) {}
    // Window events.
    virtual void Event_Open() {}
    virtual void Event_Activate() {}
    virtual void Event_EnableMenuItems() {}

    void Show();
    // Closes the window; the framework forgets it and destroys it once the
    // running handler has returned.
    void Close();
    bool IsOpen() const { return open_; }
    bool IsConstructing() const { return constructing_; }

    // Controls, by name.
    template <class T>
    T& NewControl(std::string_view name)
    {
        auto control = std::make_unique<T>();
        T& ref = *control;
        _AddControl(name, std::move(control));
        return ref;
    }
    void _AddControl(std::string_view name, std::unique_ptr<RectControl> control);
    RectControl* ControlByName(std::string_view name) const;
    // The control shown by that toolkit widget (or one inside it), or null.
    RectControl* ControlOfWidget(const QWidget* widget) const;
    const std::vector<std::unique_ptr<RectControl>>& Controls() const { return controls_; }
    // The control that has the keyboard focus, or null.
    RectControl* FocusedControl() const;
    // No control of this window keeps the focus, now or when the window is
    // next activated.
    void ClearFocusedControl();
    // Puts the focusable controls in TabIndex order, ties in creation order.
    void UpdateTabOrder();

    // Menus.
    MenuBar* GetMenuBar() const { return menuBar_.get(); }
    // The window holds the bar while it shows it: its menus act on the bar's items.
    void SetMenuBar(std::shared_ptr<MenuBar> bar);
    void _AddMenuHandler(std::string_view itemName, MenuDelegate handler);
    bool HasMenuHandler(std::string_view itemName) const;
    // The menu-enabling step: Event_EnableMenuItems, then every item of the
    // menu bar that has a handler here is enabled.
    void _EnableMenuItems();
    // Runs the handler bound to the item's name; false when there is none.
    bool _HandleMenuCommand(MenuItem& item);

    // Settings from the window's property stream.
    std::int32_t Width() const { return width_; }
    void SetWidth(std::int32_t w);
    std::int32_t Height() const { return height_; }
    void SetHeight(std::int32_t h);
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    std::int32_t Frame() const { return frame_; }
    void SetFrame(std::int32_t frame);
    bool CloseButton() const { return closeButton_; }
    void SetCloseButton(bool v);
    bool Resizeable() const { return resizeable_; }
    void SetResizeable(bool v);
    bool MinimizeButton() const { return minimizeButton_; }
    void SetMinimizeButton(bool v);
    bool MaximizeButton() const { return maximizeButton_; }
    void SetMaximizeButton(bool v);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c);
    bool HasBackColor() const { return hasBackColor_; }
    void SetHasBackColor(bool v);

    // The top-level toolkit window and its content area.
    QWidget* Widget() const;
    QWidget* Content() const;

private:
    friend class WindowWidget;
    friend Window& ConstructWindow(std::unique_ptr<Window> window);
    friend void ReleaseWindows();
    void ApplyFlags();

    std::unique_ptr<WindowWidget> widget_;
    QWidget* content_ = nullptr;
    std::vector<std::unique_ptr<RectControl>> controls_;
    std::map<std::string, MenuDelegate, std::less<>> menuHandlers_;
    std::shared_ptr<MenuBar> menuBar_;
    bool constructing_ = false, open_ = false;

    std::int32_t placement_ = 0, width_ = 100, height_ = 100, minWidth_ = 64, minHeight_ = 64, maxWidth_ = 32000,
                 maxHeight_ = 32000, frame_ = 0, macProcId_ = 0;
    bool composite_ = false, hasBackColor_ = false, visible_ = true, fullScreen_ = false, menuBarVisible_ = true,
         closeButton_ = true, resizeable_ = true, liveResize_ = true, maximizeButton_ = true, minimizeButton_ = true;
    Color backColor_{0xFFFFFF};
    std::string title_;
};

// Builds the window (Layout, CreateControls, AddMenuHandlers), makes the
// framework own and know it, raises Open, and shows it when its settings say
// Visible. An exception from any of these destroys the window and passes on.
Window& ConstructWindow(std::unique_ptr<Window> window);

// The open window whose class has that name, or null.
Window* RuntimeGetImplicitWindow(std::string_view className);

RectControl* RuntimeWindowControlByName(Window& window, std::string_view name);

// The implicit instance of a window class: the open one, or a new one.
template <class W>
W& ImplicitWindow()
{
    if (Window* open = RuntimeGetImplicitWindow(W::ClassInfo().name)) return RuntimeCheckCast<W>(*open);
    return RuntimeCheckCast<W>(ConstructWindow(std::make_unique<W>()));
}

// The window's control of that name as T; NilObjectException when missing.
template <class T>
T& ControlOf(Window& window, std::string_view name)
{
    return RuntimeCheckCast<T>(RuntimeWindowControlByName(window, name));
}

template <class W>
EventDelegate RuntimeCreateDelegate(W& target, void (W::*method)())
{
    return [&target, method](Control&) { (target.*method)(); };
}

template <class W>
EventDelegate RuntimeCreateDelegate(W& target, void (W::*method)(Control&))
{
    return [&target, method](Control& me) { (target.*method)(me); };
}

template <class W>
MenuDelegate RuntimeCreateDelegate(W& target, bool (W::*method)())
{
    return [&target, method]() { return (target.*method)(); };
}

// Every open window, in the order they were opened.
std::vector<Window*> OpenWindows();

// Closes and destroys every window: the first step of shut-down.
void ReleaseWindows();

}  // namespace fw
