#include "Window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "MenuViews.h"
#include "Platform.h"
#include "Runtime.h"

namespace fw {

namespace {

// Open windows, owned by the framework, in the order they were opened.
std::vector<std::unique_ptr<Window>>& OpenList()
{
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

// Closed windows wait here until the handler that closed them has returned.
std::vector<std::unique_ptr<Window>>& ClosedList()
{
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

void DestroyClosedWindowsLater()
{
    QMetaObject::invokeMethod(
        qApp, [] { ClosedList().clear(); }, Qt::QueuedConnection);
}

// Standard edit commands that the program leaves unhandled act on the
// focused text field, as the platform's text editing does.
bool EditFocusedField(const MenuItem& item)
{
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (edit == nullptr) return false;
    const std::string& name = item.Name();
    if (name == "EditUndo") edit->undo();
    else if (name == "EditCut") edit->cut();
    else if (name == "EditCopy") edit->copy();
    else if (name == "EditPaste") edit->paste();
    else if (name == "EditClear") {
        // Clear removes the selection, never the character after the cursor.
        if (edit->hasSelectedText()) edit->del();
    }
    else return false;
    return true;
}

void ForEachItem(MenuItem& item, const std::function<void(MenuItem&)>& visit)
{
    visit(item);
    for (int i = 0; i < item.Count(); ++i) ForEachItem(*item.Item(i), visit);
}

}  // namespace

// ---------------------------------------------------------------- WindowWidget

WindowWidget::WindowWidget(Window& owner) : owner_(owner) {}

bool WindowWidget::event(QEvent* e)
{
    const bool result = QMainWindow::event(e);
    if (e->type() == QEvent::WindowActivate && owner_.IsOpen()) {
        Window& window = owner_;
        Dispatch([&window] { window.Event_Activate(); });
    }
    return result;
}

void WindowWidget::closeEvent(QCloseEvent* e)
{
    e->accept();
    if (owner_.IsOpen()) {
        Window& window = owner_;
        Dispatch([&window] { window.Close(); });
    }
}

void WindowWidget::keyPressEvent(QKeyEvent* e)
{
    // Return presses the window's default button.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        for (const auto& control : owner_.Controls()) {
            auto* button = dynamic_cast<PushButton*>(control.get());
            if (button != nullptr && button->Default() && button->Visible() && button->Enabled()) {
                Dispatch([button] { button->Push(); });
                return;
            }
        }
    }
    QMainWindow::keyPressEvent(e);
}

Window* WindowOf(const QWidget* widget)
{
    if (widget == nullptr) return nullptr;
    auto* top = dynamic_cast<WindowWidget*>(widget->window());
    return top == nullptr ? nullptr : &top->Owner();
}

// ---------------------------------------------------------------- Window

const ClassRecord& Window::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Field<&Window::placement_>("Placement"),
        Property<&Window::SetWidth, &Window::Width>("Width"),
        Property<&Window::SetHeight, &Window::Height>("Height"),
        Field<&Window::minWidth_>("MinWidth"),
        Field<&Window::minHeight_>("MinHeight"),
        Field<&Window::maxWidth_>("MaxWidth"),
        Field<&Window::maxHeight_>("MaxHeight"),
        Property<&Window::SetFrame, &Window::Frame>("Frame"),
        Field<&Window::composite_>("Composite"),
        Property<&Window::SetHasBackColor, &Window::HasBackColor>("HasBackColor"),
        Property<&Window::SetBackColor, &Window::BackColor>("BackColor"),
        Property<&Window::SetTitle, &Window::Title>("Title"),
        Property<&Window::SetVisible, &Window::Visible>("Visible"),
        Field<&Window::fullScreen_>("FullScreen"),
        Field<&Window::menuBarVisible_>("MenuBarVisible"),
        Property<&Window::SetCloseButton, &Window::CloseButton>("CloseButton"),
        Property<&Window::SetResizeable, &Window::Resizeable>("Resizeable"),
        Field<&Window::liveResize_>("LiveResize"),
        Property<&Window::SetMaximizeButton, &Window::MaximizeButton>("MaximizeButton"),
        Property<&Window::SetMinimizeButton, &Window::MinimizeButton>("MinimizeButton"),
        Field<&Window::macProcId_>("MacProcId"),
    };
    static const ClassRecord record{"Window", nullptr, properties};
    return record;
}

Window::Window() : widget_(std::make_unique<WindowWidget>(*this))
{
    content_ = new QWidget;
    widget_->setCentralWidget(content_);
    content_->setFixedSize(width_, height_);
    ApplyFlags();
}

Window::~Window()
{
    open_ = false;
    controls_.clear();
    widget_.reset();
}

QWidget* Window::Widget() const
{
    return widget_.get();
}

QWidget* Window::Content() const
{
    return content_;
}

void Window::ApplyFlags()
{
    Qt::WindowFlags flags = (frame_ == 1 ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton_) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton_ && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
    widget_->setWindowFlags(flags);
    widget_->setWindowModality(frame_ == 1 ? Qt::ApplicationModal : Qt::NonModal);
    widget_->layout()->setSizeConstraint(resizeable_ ? QLayout::SetDefaultConstraint : QLayout::SetFixedSize);
}

void Window::SetWidth(std::int32_t w)
{
    width_ = w;
    content_->setFixedSize(std::max(width_, 0), std::max(height_, 0));
}

void Window::SetHeight(std::int32_t h)
{
    height_ = h;
    content_->setFixedSize(std::max(width_, 0), std::max(height_, 0));
}

void Window::SetTitle(std::string title)
{
    title_ = std::move(title);
    widget_->setWindowTitle(QString::fromStdString(title_));
}

void Window::SetVisible(bool v)
{
    visible_ = v;
    // While the window is being built it is shown once Open has run.
    if (constructing_ || !open_) return;
    if (v) Show();
    else {
        widget_->hide();
        ThrowIfPending();
    }
}

void Window::SetFrame(std::int32_t frame)
{
    frame_ = frame;
    ApplyFlags();
}

void Window::SetCloseButton(bool v)
{
    closeButton_ = v;
    ApplyFlags();
}

void Window::SetResizeable(bool v)
{
    resizeable_ = v;
    ApplyFlags();
}

void Window::SetMinimizeButton(bool v)
{
    minimizeButton_ = v;
    ApplyFlags();
}

void Window::SetMaximizeButton(bool v)
{
    maximizeButton_ = v;
    ApplyFlags();
}

void Window::SetBackColor(Color c)
{
    backColor_ = c;
    SetHasBackColor(hasBackColor_);
}

void Window::SetHasBackColor(bool v)
{
    hasBackColor_ = v;
    content_->setAutoFillBackground(v);
    if (v) {
        QPalette palette = content_->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(backColor_.value));
        content_->setPalette(palette);
    }
}

namespace {

// A dialog belongs to the window that is active as it opens: the window
// manager keeps it above that window, and it opens centred over it, within
// the screen. Only the toolkit windows are linked; a widget parent would let
// the toolkit delete the dialog, which the framework owns, with its owner.
void PlaceDialog(QWidget* dialog)
{
    QWidget* owner = QApplication::activeWindow();
    dialog->createWinId();
    dialog->windowHandle()->setTransientParent(owner != nullptr ? owner->windowHandle() : nullptr);
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    dialog->layout()->activate();
    QRect box(QPoint(), dialog->size());
    box.moveCenter((owner != nullptr ? owner->geometry() : area).center());
    box.moveLeft(std::max(area.left(), std::min(box.left(), area.right() + 1 - box.width())));
    box.moveTop(std::max(area.top(), std::min(box.top(), area.bottom() + 1 - box.height())));
    dialog->setGeometry(box);
}

}  // namespace

void Window::Show()
{
    if (!open_) return;
    visible_ = true;
    if (frame_ == 1 && !widget_->isVisible()) PlaceDialog(widget_.get());
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
    ThrowIfPending();
}

void Window::Close()
{
    if (!open_) return;
    open_ = false;
    widget_->hide();
    auto& windows = OpenList();
    const auto it = std::find_if(windows.begin(), windows.end(), [this](const auto& w) { return w.get() == this; });
    if (it != windows.end()) {
        ClosedList().push_back(std::move(*it));
        windows.erase(it);
        DestroyClosedWindowsLater();
    }
    if (windows.empty()) RuntimeQuit();
    ThrowIfPending();
}

void Window::_AddControl(std::string_view name, std::unique_ptr<RectControl> control)
{
    NotNil(control.get());
    control->SetName(std::string(name));
    control->window_ = this;
    control->Widget()->setParent(content_);
    control->Widget()->setVisible(control->Visible());
    controls_.push_back(std::move(control));
}

RectControl* Window::ControlByName(std::string_view name) const
{
    for (const auto& control : controls_) {
        if (control->Name() == name) return control.get();
    }
    return nullptr;
}

RectControl* Window::ControlOfWidget(const QWidget* widget) const
{
    for (const auto& control : controls_) {
        QWidget* own = control->Widget();
        if (widget == own || (widget != nullptr && own->isAncestorOf(widget))) return control.get();
    }
    return nullptr;
}

RectControl* Window::FocusedControl() const
{
    return ControlOfWidget(QApplication::focusWidget());
}

void Window::ClearFocusedControl()
{
    QWidget* focus = widget_->focusWidget();
    RectControl* control = ControlOfWidget(focus);
    if (control == nullptr) return;
    const bool silent = !focus->hasFocus();
    // The content area takes the focus in the control's place: it refuses
    // every focus of the user's, and the toolkit gives a window that is
    // activated again back to it instead of to its first control.
    content_->setFocus(Qt::OtherFocusReason);
    ThrowIfPending();
    if (silent) control->FocusTakenByCode();
}

void Window::UpdateTabOrder()
{
    std::vector<RectControl*> chain;
    for (const auto& control : controls_) {
        if (control->AcceptsFocus() && control->TabStop()) chain.push_back(control.get());
    }
    std::stable_sort(chain.begin(), chain.end(),
                     [](const RectControl* a, const RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1]->Widget(), chain[i]->Widget());
}

void Window::SetMenuBar(std::shared_ptr<MenuBar> held)
{
    menuBar_ = std::move(held);
    MenuBar* bar = menuBar_.get();
    if (bar == nullptr) {
        widget_->setMenuBar(nullptr);
        return;
    }
    auto* view = new QMenuBar;
    for (int i = 0; i < bar->Count(); ++i) {
        MenuItem& title = *bar->Item(i);
        QMenu* menu = view->addMenu(QString::fromStdString(title.Text()));
        title.GetViews().Add(menu->menuAction(), title);
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { Dispatch([this] { _EnableMenuItems(); }); });
        for (int j = 0; j < title.Count(); ++j) {
            MenuItem& item = *title.Item(j);
            QAction* action = item.IsSeparator() ? menu->addSeparator() : menu->addAction(QString());
            item.GetViews().Add(action, item);
            if (dynamic_cast<QuitMenuItem*>(&item) != nullptr) action->setMenuRole(QAction::QuitRole);
            else if (dynamic_cast<AppleMenuItem*>(&item) != nullptr) action->setMenuRole(QAction::AboutRole);
            else action->setMenuRole(QAction::NoRole);
            QObject::connect(action, &QAction::triggered, action, [this, &item] {
                Dispatch([this, &item] {
                    if (!open_) return;
                    if (_HandleMenuCommand(item)) return;
                    if (EditFocusedField(item)) return;
                    item.ItemAction();
                });
            });
        }
    }
    widget_->setMenuBar(view);
}

void Window::_AddMenuHandler(std::string_view itemName, MenuDelegate handler)
{
    menuHandlers_.insert_or_assign(std::string(itemName), std::move(handler));
}

bool Window::HasMenuHandler(std::string_view itemName) const
{
    return menuHandlers_.find(itemName) != menuHandlers_.end();
}

void Window::_EnableMenuItems()
{
    if (menuBar_ == nullptr) return;
    ForEachItem(*menuBar_, [](MenuItem& item) {
        if (item.AutoEnable()) item.Enable();
    });
    Event_EnableMenuItems();
    ForEachItem(*menuBar_, [this](MenuItem& item) {
        if (HasMenuHandler(item.Name())) item.Enable();
    });
}

bool Window::_HandleMenuCommand(MenuItem& item)
{
    const auto it = menuHandlers_.find(item.Name());
    if (it == menuHandlers_.end()) return false;
    MenuDelegate handler = it->second;
    return handler();
}

// ---------------------------------------------------------------- registry

Window& ConstructWindow(std::unique_ptr<Window> owned)
{
    Window& window = NotNil(owned.get());
    auto& windows = OpenList();
    try {
        window.constructing_ = true;
        window.Layout();
        window.CreateControls();
        window.UpdateTabOrder();
        window.AddMenuHandlers(window);
        // Known to the framework before Open runs.
        window.open_ = true;
        windows.push_back(std::move(owned));
        window.Event_Open();
        window.constructing_ = false;
    } catch (...) {
        window.open_ = false;
        std::erase_if(windows, [&window](const auto& w) { return w.get() == &window; });
        throw;
    }
    if (window.visible_) window.Show();
    return window;
}

Window* RuntimeGetImplicitWindow(std::string_view className)
{
    for (const auto& window : OpenList()) {
        if (window->IsOpen() && window->Class().name == className) return window.get();
    }
    return nullptr;
}

RectControl* RuntimeWindowControlByName(Window& window, std::string_view name)
{
    return window.ControlByName(name);
}

std::vector<Window*> OpenWindows()
{
    std::vector<Window*> result;
    for (const auto& window : OpenList()) result.push_back(window.get());
    return result;
}

void ReleaseWindows()
{
    auto& windows = OpenList();
    for (const auto& window : windows) window->open_ = false;
    // Destroy the last opened first, so a dialog goes before its owner.
    while (!windows.empty()) windows.pop_back();
    ClosedList().clear();
}

}  // namespace fw
